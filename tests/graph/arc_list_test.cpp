#include "graph/arc_list.hpp"

#include <gtest/gtest.h>

#include "datainput/data_input_text.hpp"
#include "graph/link_set.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

Links links_of(const UGraph& graph) {
    Links links;
    LinkSet::of(graph).for_each_link([&](int a, int b) { links.emplace_back(a, b); });
    return links;
}

TEST(GraphLinks, EachLinkOnceAndTheNodesTheySpan) {
    // A typed link to a node above the node count raises the vertices; a
    // self-loop is a link of its own, which the written form leaves out.
    const UGraph typed = graph_of(2, "up", {{4, 1}, {2, 2}, {1, 2}});
    EXPECT_EQ(vertex_count(typed), 4);
    EXPECT_EQ(links_of(typed), Links({{1, 2}, {1, 4}, {2, 2}}));
    EXPECT_EQ(written_form(typed), "[U \"up\", (1),2,4, (2)]");
    EXPECT_EQ(typed.link_count(), 2);  // five arcs, halved: the loop counts half
    EXPECT_EQ(vertex_count(graph_of(7, "", {{1, 2}})), 7);
    EXPECT_EQ(vertex_count(graph_of(-1, "", {})), 0);

    const UGraph g = graph_of(5, "", {{3, 1}, {3, 5}, {2, 3}});
    ASSERT_EQ(g.neighbors(3).size(), 3U);
    EXPECT_EQ(g.neighbors(3)[0], 1);
    EXPECT_EQ(g.neighbors(3)[2], 5);
    EXPECT_TRUE(g.neighbors(4).empty());
    EXPECT_TRUE(g.neighbors(51).empty());
}

}  // namespace
}  // namespace ugraph
