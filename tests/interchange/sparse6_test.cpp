#include "interchange/sparse6.hpp"

#include <gtest/gtest.h>

#include <random>

#include "graph/ugraph.hpp"
#include "import_helpers.hpp"
#include "interchange/format.hpp"

namespace ugraph {
namespace {

// Lines written by nauty (amtog -s) for known graphs, read and written back;
// then lines of other writers, read only. The last character's padding is
// where a writer most easily parts from nauty: with n a power of two and the
// last link ending at vertex n - 2, 1 bits alone would read as a self-loop.
TEST(Sparse6, ReadsAndWritesNautysLines) {
    const struct {
        std::string line;
        std::string outcome;
        bool written_so = true;
    } cases[] = {
        {":Fa@x^", "7 vertices 1-2 1-3 2-3 6-7"},
        {":@", "1 vertices"},
        {":@^", "1 vertices 1-1"},
        {":AF", "2 vertices 1-1"},
        {":AN", "2 vertices 1-1 2-2"},
        {":CF", "4 vertices 1-1"},
        {":CEB", "4 vertices 1-1 1-3"},
        {":Cn", "4 vertices 2-2"},
        // ":CEB" padded with 1 bits alone: one more loop.
        {":CEF", "4 vertices 1-1 1-3 4-4"},
        // NetworkX pads with a 0 bit where nauty does not.
        {":CB", "4 vertices 1-1", false},
        // A multigraph: a repeated link or loop counts once.
        {":F_N", "7 vertices 1-2", false},
        {":@N", "1 vertices 1-1", false},
    };
    for (const auto& [line, outcome, written_so] : cases) {
        EXPECT_EQ(outcomes(line, Format::sparse6), std::vector<std::string>{"1: " + outcome});
        EXPECT_EQ(rewritten(line, Format::sparse6) == line + "\n", written_so) << line;
    }
}

// Every vertex count and every density, self-loops among the links, so that
// pairs of every width cross the characters at every offset and the padding
// meets every state; links drawn at random, a fixed seed.
TEST(Sparse6, ReadsBackRandomGraphsOfEverySize) {
    std::mt19937 random(29);
    for (const double density : {0.05, 0.5, 0.95}) {
        std::bernoulli_distribution linked(density);
        for (int n = 1; n <= MAX_NODES; ++n) {
            LinkSet drawn;
            for (int b = 1; b <= n; ++b) {
                for (int a = 1; a <= b; ++a) {
                    if (linked(random) && drawn.links_without_loops() < MAX_LINKS) {
                        drawn.add(a, b);
                    }
                }
            }
            std::string line;
            append_sparse6(drawn, n, line);
            ASSERT_TRUE(line.ends_with("\n"));
            line.pop_back();
            LinkSet links;
            int vertices = 0;
            ASSERT_TRUE(read_sparse6(line, links, vertices)) << n << ' ' << line;
            EXPECT_EQ(vertices, n);
            for (int node = 1; node <= n; ++node) {
                ASSERT_EQ(links.row(node), drawn.row(node)) << n << ' ' << node << ' ' << line;
            }
        }
    }
}

// Self-loops stay outside the link budget: all 50 of them and MAX_LINKS
// links cross, one link more does not.
TEST(Sparse6, CarriesTheLargestUgraphAndRefusesOneLinkMore) {
    Links links;
    for (int a = 1, count = 0; a <= MAX_NODES; ++a) {
        for (int b = a; b <= MAX_NODES; ++b) {
            if (a == b || count++ < MAX_LINKS + 1) {
                links.emplace_back(a, b);
            }
        }
    }
    std::string text;
    ASSERT_TRUE(append_in_format(Format::sparse6, graph_of(MAX_NODES, "", links), text));
    EXPECT_EQ(outcomes(text, Format::sparse6),
              std::vector<std::string>{"1: it has 625 links; a Ugraph holds at most 624"});
    links.erase(links.begin() + 1);
    const UGraph graph = graph_of(MAX_NODES, "", links);
    text.clear();
    ASSERT_TRUE(append_in_format(Format::sparse6, graph, text));
    EXPECT_EQ(outcomes(text, Format::sparse6), std::vector<std::string>{"1: " + described(graph)});
}

TEST(Sparse6, RefusesWhatIsNotAUgraphInSparse6) {
    const std::pair<std::string, std::string> cases[] = {
        {"Fa@x^", "it does not start with ':' as sparse6 does"},
        {";Fa@x^", "incremental sparse6 (';') is not read"},
        {":Fa@ x^", "its character 5 is byte 32, outside 63..126"},
        {":?", "it has no vertices"},
        {":r", "it has 51 vertices; a Ugraph holds at most 50"},
        {":~", "it ends inside its vertex count"},
    };
    for (const auto& [line, reason] : cases) {
        EXPECT_EQ(outcomes(line, Format::sparse6), std::vector<std::string>{"1: " + reason});
    }
}

}  // namespace
}  // namespace ugraph
