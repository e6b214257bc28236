#include "graph/link_edits.hpp"

#include <gtest/gtest.h>

#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

Links links_of(const UGraph& graph) {
    Links links;
    LinkSet::of(graph).for_each_link([&](int a, int b) { links.emplace_back(a, b); });
    return links;
}

TEST(ParseLink, TakesTwoDifferentNodesJoinedByADash) {
    EXPECT_EQ(parse_link("1-5").value(), std::pair(1, 5));
    EXPECT_EQ(parse_link("50-007").value(), std::pair(50, 7));
    for (const char* text : {"", "1", "1-", "-2", "a-b", "1-2-3", " 1-2", "1-2 ", "+1-2", "1--2"}) {
        std::string wanted = "'";  // piece by piece, as GCC 12 for Windows wants it
        wanted += text;
        wanted += "' is not two node numbers joined by '-'";
        EXPECT_EQ(parse_link(text).reason(), wanted);
    }
    EXPECT_EQ(parse_link("3-51").reason(), "node 51 in '3-51' is not between 1 and 50");
    EXPECT_EQ(parse_link("0-3").reason(), "node 0 in '0-3' is not between 1 and 50");
    EXPECT_EQ(parse_link("99999999999-1").reason(),
              "node 99999999999 in '99999999999-1' is not between 1 and 50");
    EXPECT_EQ(parse_link("4-4").reason(),
              "'4-4' links a node to itself, which a data-input does not keep");
}

TEST(ApplyLinkEdits, AddsRemovesAndRenames) {
    UGraph graph = graph_of(4, "old", {{1, 2}, {2, 3}, {3, 4}});
    ASSERT_TRUE(
        apply_link_edits(graph, {.link = {"1-4", "4-1", "2-1"}, .unlink = {"3-2"}, .name = "X"}));
    EXPECT_EQ(links_of(graph), (Links{{1, 2}, {1, 4}, {3, 4}}));
    EXPECT_EQ(graph.node_count(), 4);
    EXPECT_EQ(name_text(graph.name), "X");
    // Removing the highest node's links keeps the node count; an unlink of
    // a link not there changes nothing.
    ASSERT_TRUE(apply_link_edits(graph, {.unlink = {"3-4", "1-3"}}));
    EXPECT_EQ(links_of(graph), (Links{{1, 2}, {1, 4}}));
    EXPECT_EQ(graph.node_count(), 4);
    EXPECT_EQ(name_text(graph.name), "X");
}

TEST(ApplyLinkEdits, RaisesTheNodeCountToTheHighestNodeLinked) {
    UGraph graph = graph_of(2, "g", {{1, 2}});
    ASSERT_TRUE(apply_link_edits(graph, {.link = {"2-50"}}));
    EXPECT_EQ(graph.node_count(), 50);
    EXPECT_EQ(links_of(graph), (Links{{1, 2}, {2, 50}}));
    // A self-loop the graph was loaded with stays.
    UGraph looped = graph_of(3, "l", {{1, 1}, {1, 2}});
    ASSERT_TRUE(apply_link_edits(looped, {.link = {"1-3"}}));
    EXPECT_EQ(links_of(looped), (Links{{1, 1}, {1, 2}, {1, 3}}));
}

TEST(ApplyLinkEdits, RefusesNamingTheOptionAndLeavesTheGraph) {
    const UGraph before = graph_of(3, "keep", {{1, 2}});
    const auto refusal = [&](const LinkEdits& edits) {
        UGraph graph = before;
        Result<> applied = apply_link_edits(graph, edits);
        EXPECT_TRUE(graph.arc_from == before.arc_from && graph.arc_to == before.arc_to &&
                    graph.name == before.name);
        return applied ? std::string("applied") : applied.reason();
    };
    EXPECT_EQ(refusal({.link = {"1-3", "3-51"}}),
              "--link 3-51: node 51 in '3-51' is not between 1 and 50");
    EXPECT_EQ(refusal({.unlink = {"x"}}), "--unlink x: 'x' is not two node numbers joined by '-'");
    EXPECT_EQ(refusal({.link = {"1-3"}, .unlink = {"3-1"}}),
              "--unlink 3-1: the same link is also given to --link");
    EXPECT_EQ(refusal({.link = {"1-3"}, .name = "a\"b"}),
              "--name: the name holds a double quote, which would end it in the data file");
    EXPECT_EQ(refusal({.name = "a name far too long"}),
              "--name: the name has 19 characters; a name holds at most 15");
}

TEST(ApplyLinkEdits, HoldsAtMost624Links) {
    Links complete;
    for (int a = 1; a <= 35; ++a) {
        for (int b = a + 1; b <= 35; ++b) {
            complete.emplace_back(a, b);
        }
    }
    const UGraph k35 = graph_of(35, "k35", complete);  // 595 links
    LinkEdits edits;
    for (int a = 1; a <= 29; ++a) {
        edits.link.push_back(std::to_string(a) + "-36");
    }
    UGraph graph = k35;
    ASSERT_TRUE(apply_link_edits(graph, edits));
    EXPECT_EQ(graph.link_count(), 624);
    EXPECT_EQ(graph.node_count(), 36);
    edits.link.emplace_back("30-36");
    graph = k35;
    EXPECT_EQ(apply_link_edits(graph, edits).reason(),
              "--link: the graph would have 625 links; a Ugraph holds at most 624");
    EXPECT_EQ(graph.link_count(), 595);
    // Removed in the same run, a link makes room for another.
    edits.unlink.emplace_back("1-2");
    ASSERT_TRUE(apply_link_edits(graph, edits));
    EXPECT_EQ(graph.link_count(), 624);
}

}  // namespace
}  // namespace ugraph
