#include "interchange/adjacency_list.hpp"

#include <gtest/gtest.h>

#include "import_helpers.hpp"

namespace ugraph {
namespace {

TEST(AdjacencyList, WritesALineForEveryNodeWithTheNeighboursAboveIt) {
    std::string out = "before\n";
    append_adjacency_list(graph_of(6, "", {{1, 2}, {1, 4}, {2, 2}, {2, 3}, {4, 6}}), out);
    EXPECT_EQ(out, "before\n1 2 4\n2 2 3\n3\n4 6\n5\n6\n");
}

// NetworkX's write_adjlist (its header, then nodes 0..4 of a path with an
// isolated 4); by hand: both directions, a loop, tabs, a comment, an
// isolated node and a neighbour without a line of its own.
TEST(AdjacencyList, ReadsOneGraphOrRefusesItAtItsFirstBadLine) {
    const struct {
        std::string text;
        int base;
        std::string outcome;
    } cases[] = {
        {"#/usr/bin/python3 -c\n# GMT Sat Jan  1 00:00:00 2000\n# path\n0 1\n1 2\n2 3\n3\n4\n", 0,
         "4: 5 vertices 1-2 2-3 3-4"},
        {"1 2 3\n2 1 2 8\n\n3\t1 # to 1\r\n7\n", 1, "1: 8 vertices 1-2 1-3 2-2 2-8"},
        {"5\n", 1, "1: 5 vertices"},
        {"# nothing\n\n", 1, "no graph"},
        {"1 2\n2 3 51\n", 1, "2: label 51 is out of range 1..50"},
        {"1 2\nthree 1\n", 1, "2: label three is not a whole number"},
        {"1 2\n2 " + std::string(70'000, ' ') + "3\n", 1, "2: the line is too long"},
    };
    for (const auto& [text, base, outcome] : cases) {
        EXPECT_EQ(list_outcome(text, Format::adjlist, base), outcome) << text;
    }
}

}  // namespace
}  // namespace ugraph
