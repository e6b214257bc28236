#include "cli/interchange_commands.hpp"

#include <gtest/gtest.h>

#include "interchange/ugraph_links.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

TEST(ImportedName, KeepsItsNumberAndOnlyStorableCharacters) {
    EXPECT_EQ(imported_name("graphs", std::nullopt), "graphs");
    EXPECT_EQ(imported_name("g9", 261080), "g9261080");
    EXPECT_EQ(imported_name("a\"b]c\rd\x1a\n", std::nullopt), "a_b_c_d__");
    EXPECT_EQ(imported_name("abcdefghijklmnopqrst", std::nullopt), "abcdefghijklmno");
    EXPECT_EQ(imported_name("abcdefghijklmnopqrst", 12), "abcdefghijklm12");
    // 14 bytes are left for "a" and the two-byte é's: the cut may not split one.
    EXPECT_EQ(imported_name("a\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9", 1),
              "a\u00e9\u00e9\u00e9\u00e9\u00e9\u00e91");
}

TEST(UgraphLinks, CarryEveryLinkOnceBothWays) {
    // A typed link to a node above the node count raises the vertices; a
    // self-loop is carried out, and left out on the way back in.
    const UGraph typed = graph_of(2, "up", {{4, 1}, {2, 2}, {1, 2}});
    LinkGraph links;
    links_of(typed, links);
    EXPECT_EQ(links.vertices, 4);
    EXPECT_EQ(links.links, Links({{1, 2}, {1, 4}, {2, 2}}));

    UGraph back;
    EXPECT_EQ(ugraph_of_links(links, "back", back), 1);
    const UGraph expected = graph_of(4, "back", {{1, 2}, {1, 4}});
    EXPECT_EQ(back.name, expected.name);
    const auto used = static_cast<std::ptrdiff_t>(expected.arc_from[0]) + 2;
    EXPECT_TRUE(
        std::equal(back.arc_from.begin(), back.arc_from.begin() + used, expected.arc_from.begin()));
    EXPECT_TRUE(
        std::equal(back.arc_to.begin(), back.arc_to.begin() + used, expected.arc_to.begin()));
}

}  // namespace
}  // namespace ugraph
