#include "graph/report.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "dialogue/show_adjacency.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

TEST(ShowAdjacency, PrintsEightLinesForNodesOneToN) {
    const std::string no_nodes =
        "The array of degrees:\n\n\nThe long adjacency array is:\n\n\n"
        "The short adjacency array is:\n\n";
    const struct {
        Links links;
        int n;
        std::string report;
    } cases[] = {
        {{{1, 2}, {1, 3}, {2, 3}, {3, 4}},
         4,
         "The array of degrees:\n (1)2 (2)2 (3)3 (4)1\n\n"
         "The long adjacency array is:\n(1),2,3,  (2),1,3,  (3),1,2,4,  (4),3,  \n\n"
         "The short adjacency array is:\n(1),2,3,  (2),3,  (3),4,  (4),  \n"},
        {{{1, 2}}, 0, no_nodes},
        {{{1, 2}}, -3, no_nodes},
        // node 2: a self-loop and a neighbour beyond n; node 3: no link
        {{{2, 2}, {1, 2}, {2, 12}},
         3,
         "The array of degrees:\n (1)1 (2)3 (3)0\n\n"
         "The long adjacency array is:\n(1),2,  (2),1,2,12,  (3),  \n\n"
         "The short adjacency array is:\n(1),2,  (2),12,  (3),  \n"},
    };
    for (const auto& c : cases) {
        const UGraph g = graph_of(c.n, "", c.links);
        std::istringstream in;
        std::ostringstream out;
        Console console(in, out);
        show_adjacency(console, g);
        EXPECT_EQ(out.str(), c.report);
        EXPECT_EQ(count_degrees(g)[std::max(c.n, 0) + 1], 0);  // nothing above n is counted
    }
}

}  // namespace
}  // namespace ugraph
