#include "interchange/graph6.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "graph/arc_list.hpp"
#include "graph/ugraph.hpp"
#include "import_helpers.hpp"
#include "interchange/format.hpp"

namespace ugraph {
namespace {

// The graph on 50 vertices whose first `bits` graph6 bits are set: pairs
// (i, j), i < j, taken column by column.
UGraph first_bits_set(int bits) {
    Links links;
    for (int j = 2; static_cast<int>(links.size()) < bits; ++j) {
        for (int i = 1; i < j && static_cast<int>(links.size()) < bits; ++i) {
            links.emplace_back(i, j);
        }
    }
    return graph_of(MAX_NODES, "", links);
}

// Lines written by nauty (amtog, geng), each read and written back, and the
// largest graph a Ugraph holds: 50 vertices, the first 624 bits set. "B~"
// has its padding bits set, which nauty ignores on reading.
TEST(Graph6, ReadsAndWritesNautysLines) {
    const struct {
        std::string line;
        std::string outcome;
        bool written_so = true;
    } cases[] = {
        {"DQc", "1: 5 vertices 1-3 1-5 2-4 4-5"},
        {"Fw??G", "1: 7 vertices 1-2 1-3 2-3 6-7"},
        {"D~{", "1: 5 vertices 1-2 1-3 1-4 1-5 2-3 2-4 2-5 3-4 3-5 4-5"},
        {"@", "1: 1 vertices"},
        {"B~", "1: 3 vertices 1-2 1-3 2-3", false},
        {"q" + std::string(104, '~') + std::string(101, '?'),
         "1: " + described(first_bits_set(MAX_LINKS))},
    };
    for (const auto& [line, outcome, written_so] : cases) {
        EXPECT_EQ(outcomes(line, Format::graph6), std::vector<std::string>{outcome}) << line;
        EXPECT_EQ(rewritten(line, Format::graph6) == line + "\n", written_so) << line;
    }
}

// A line written reads back as the links and the vertices it was written from.
TEST(Graph6, ReadsBackTheLinksItWrote) {
    const UGraph graphs[] = {graph_of(5, "", {{1, 3}, {1, 5}, {2, 4}, {4, 5}}),
                             graph_of(7, "", {{6, 7}}), graph_of(1, "", {}),
                             first_bits_set(MAX_LINKS)};
    for (const UGraph& graph : graphs) {
        std::string line = "kept\n";
        ASSERT_TRUE(append_in_format(Format::graph6, graph, line));
        ASSERT_TRUE(line.starts_with("kept\n") && line.ends_with("\n"));
        LinkSet links;
        int vertices = 0;
        ASSERT_TRUE(
            read_graph6(std::string_view(line).substr(5, line.size() - 6), links, vertices));
        EXPECT_EQ(vertices, vertex_count(graph));
        const LinkSet written = LinkSet::of(graph);
        for (int node = 1; node <= MAX_NODES; ++node) {
            EXPECT_EQ(links.row(node), written.row(node)) << node;
        }
    }
}

// Every vertex count, so that the columns of the body cross the characters
// at every offset; links drawn at random, a fixed seed.
TEST(Graph6, ReadsBackRandomGraphsOfEverySize) {
    std::mt19937 random(11);
    std::bernoulli_distribution linked(0.4);
    for (int n = 1; n <= MAX_NODES; ++n) {
        LinkSet drawn;
        for (int b = 2; b <= n; ++b) {
            for (int a = 1; a < b; ++a) {
                if (linked(random) && drawn.links() < MAX_LINKS) {
                    drawn.add(a, b);
                }
            }
        }
        std::string line;
        ASSERT_TRUE(append_graph6(drawn, n, line));
        line.pop_back();
        LinkSet links;
        int vertices = 0;
        ASSERT_TRUE(read_graph6(line, links, vertices)) << n;
        EXPECT_EQ(vertices, n);
        for (int node = 1; node <= n; ++node) {
            ASSERT_EQ(links.row(node), drawn.row(node)) << n << ' ' << node;
        }
    }
}

TEST(Graph6, RefusesASelfLoopAndLeavesTheTextAsItWas) {
    std::string out = "kept\n";
    const Result<> written =
        append_in_format(Format::graph6, graph_of(4, "", {{1, 2}, {3, 3}}), out);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.reason(), "graph6 cannot hold the self-loop at node 3");
    EXPECT_EQ(out, "kept\n");
    const Result<> from_links =
        append_in_format(Format::graph6, graph_of(4, "", {{3, 3}, {1, 2}, {2, 2}}), out);
    ASSERT_FALSE(from_links);
    EXPECT_EQ(from_links.reason(), "graph6 cannot hold the self-loop at node 2");
    EXPECT_EQ(out, "kept\n");
}

TEST(Graph6, RefusesWhatIsNotAUgraphInGraph6) {
    const std::pair<std::string, std::string> cases[] = {
        {"DQ c", "its character 3 is byte 32, outside 63..126"},
        {"DQ", "its length is 2; graph6 for 5 vertices needs 3"},
        {"DQcc", "its length is 4; graph6 for 5 vertices needs 3"},
        {"?", "it has no vertices"},
        {"r", "it has 51 vertices; a Ugraph holds at most 50"},
        {"~?@~", "it has 127 vertices; a Ugraph holds at most 50"},
        {"~~?????~", "it has 63 vertices; a Ugraph holds at most 50"},
        {"~?", "it ends inside its vertex count"},
        {":Fa@x^", "it is sparse6, not graph6"},
        {"&DI?AO?", "it is digraph6, not graph6"},
        {"q" + std::string(204, '~') + "{", "it has 1225 links; a Ugraph holds at most 624"},
    };
    for (const auto& [line, reason] : cases) {
        EXPECT_EQ(outcomes(line, Format::graph6), std::vector<std::string>{"1: " + reason});
    }
}

}  // namespace
}  // namespace ugraph
