#include "interchange/format.hpp"

#include <gtest/gtest.h>

namespace ugraph {
namespace {

// The graph6 and sparse6 lines are nauty's (amtog).
TEST(Format, WritesTheSameGraphInEachFormat) {
    EXPECT_EQ(format_named("adjlist"), Format::adjlist);
    EXPECT_EQ(format_named("Graph6"), std::nullopt);
    const LinkGraph graph{4, {{1, 2}, {2, 4}}};
    const std::pair<Format, std::string> cases[] = {
        {Format::graph6, "Ca\n"},
        {Format::sparse6, ":CfN\n"},
        {Format::dot, "graph \"P\" {\n  1 -- 2;\n  2 -- 4;\n  1; 2; 3; 4;\n}\n"},
        {Format::edgelist, "1 2\n2 4\n"},
        {Format::adjlist, "1 2\n2 4\n3\n4\n"},
    };
    for (const auto& [format, text] : cases) {
        std::string out;
        std::string reason;
        EXPECT_TRUE(append_in_format(format, graph, "P", out, reason)) << reason;
        EXPECT_EQ(out, text);
    }
}

// The writers index tables by node and walk the links in order.
TEST(Format, RefusesAGraphOutsideTheLinkGraphContract) {
    const std::pair<LinkGraph, std::string> cases[] = {
        {{51, {}}, "it has 51 vertices, outside 0..50"},
        {{3, {{1, 4}}}, "its link 1-4 is out of place or outside nodes 1..3"},
        {{3, {{2, 1}}}, "its link 2-1 is out of place or outside nodes 1..3"},
        {{3, {{1, 3}, {1, 2}}}, "its link 1-2 is out of place or outside nodes 1..3"},
        {{3, {{1, 2}, {1, 2}}}, "its link 1-2 is out of place or outside nodes 1..3"},
    };
    for (const auto& [graph, expected] : cases) {
        std::string out = "kept";
        std::string reason;
        EXPECT_FALSE(append_in_format(Format::adjlist, graph, "", out, reason));
        EXPECT_EQ(reason, expected);
        EXPECT_EQ(out, "kept");
    }
}

}  // namespace
}  // namespace ugraph
