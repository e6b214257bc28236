// The engine's invariants against nauty's own programs over every graph of
// 7 nodes and every connected graph of 8: pickg's report, labelg's
// canonical lines, planarg's choice, and a plain exact colouring.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "invariants/graph_record.hpp"
#include "invariants/measures.hpp"
#include "nauty_tools.hpp"

namespace ugraph {
namespace {

// The keys pickg -V reports, in the order of its sort keys below.
constexpr Key PICKG_KEYS[] = {
    Key::nodes,
    Key::links,
    Key::min_degree,
    Key::max_degree,
    Key::components,
    Key::radius,
    Key::diameter,
    Key::girth,
    Key::triangles,
    Key::clique_number,
    Key::independence_number,
    Key::bipartite,
    Key::regular,
    Key::eulerian,
    Key::automorphisms,
    Key::orbits,
};
constexpr const char* PICKG_SORT = "--nedDcczZgTkhbrEao";

std::string shown(const Value& value) {
    switch (value.kind) {
        case Value::Kind::integer:
            return std::to_string(value.integer);
        case Value::Kind::truth:
            return value.truth ? "1" : "0";
        case Value::Kind::text:
            return value.text;
        case Value::Kind::unknown:
            break;
    }
    return "unknown";
}

// pickg's "Graph 12 : 7 3 0 2 ..." without its "Graph 12 :".
std::string values_of(const std::string& report) { return report.substr(report.find(':') + 2); }

// Whether `k` colours suffice, vertex by vertex in order: a search that
// shares nothing with the engine's.
bool colourable(const DenseGraph& g, int k, std::array<int, 64>& colour, int v) {
    if (v == g.n)
        return true;
    for (int c = 0; c < k; ++c) {
        bool clash = false;
        for (int w = 0; w < v; ++w)
            clash = clash || ((g.rows[v] & bit(w)) != 0 && colour[w] == c);
        if (clash)
            continue;
        colour[v] = c;
        if (colourable(g, k, colour, v + 1))
            return true;
    }
    return false;
}

int reference_chromatic(const DenseGraph& g) {
    std::array<int, 64> colour{};
    int k = 1;
    while (!colourable(g, k, colour, 0))
        ++k;
    return k;
}

// The fewest vertices whose removal leaves a disconnected graph (n - 1 for
// a complete one), trying every set of vertices: exact for small graphs.
int reference_connectivity(const DenseGraph& g) {
    int best = g.n - 1;
    for (VertexSet removed = 0; removed < bit(g.n); ++removed) {
        const VertexSet left = all_vertices(g.n) & ~removed;
        if (count(left) < 2 || count(removed) >= best)
            continue;
        if ((reach(g, lowest(left), left) & left) != left)
            best = count(removed);
    }
    return best;
}

class AgainstNauty : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!nauty_tools_installed())
            GTEST_SKIP() << "nauty's programs are not installed";
        file_ = ::testing::TempDir() + "ugraph_pickg_" + std::to_string(::getpid()) + ".g6";
        lines_of(std::string("nauty-geng -q ") + GetParam() + " > " + file_);
        graphs_ = lines_of("cat " + file_);
    }
    void TearDown() override { std::remove(file_.c_str()); }
    std::vector<std::string> run(const std::string& tool) { return lines_of(tool + " " + file_); }
    // pickg -V reports on standard error, beside the graphs it keeps.
    std::vector<std::string> report(const std::string& keys) {
        return lines_of("nauty-pickg -V -q -2 " + keys + " " + file_ + " 2>&1 >/dev/null");
    }

    std::string file_;
    std::vector<std::string> graphs_;
};

TEST_P(AgainstNauty, EveryKeyPickgHasAgrees) {
    const auto pickg = report(PICKG_SORT);
    const auto connectivity = report("--c");
    ASSERT_EQ(pickg.size(), graphs_.size());
    ASSERT_EQ(connectivity.size(), graphs_.size());
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        const Graph6Item input(graphs_[i]);
        GraphRecord record(input.item(1));
        std::string ours;
        for (const Key key : PICKG_KEYS) {
            // Appended piece by piece: mingw's GCC 12 warns, wrongly, of
            // overlap in "literal" + std::string&&.
            if (!ours.empty())
                ours += ' ';
            ours += shown(record.value(key));
        }
        ASSERT_EQ(ours, values_of(pickg[i])) << graphs_[i];
        const long kappa = std::min(record.value(Key::connectivity).integer, 2L);
        ASSERT_EQ(std::to_string(kappa), values_of(connectivity[i])) << graphs_[i];
    }
}

TEST_P(AgainstNauty, CanonicalLinesAreLabelgs) {
    const auto labelled = run("nauty-labelg -q");
    ASSERT_EQ(labelled.size(), graphs_.size());
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        const Graph6Item input(graphs_[i]);
        GraphRecord record(input.item(1));
        ASSERT_EQ(record.value(Key::canonical).text, labelled[i]) << graphs_[i];
    }
}

TEST_P(AgainstNauty, PlanarAsPlanargChooses) {
    const auto planar_ones = run("nauty-planarg -q");
    std::vector<std::string> ours;
    for (const auto& line : graphs_) {
        const Graph6Item input(line);
        GraphRecord record(input.item(1));
        if (record.value(Key::planar).truth)
            ours.push_back(line);
    }
    EXPECT_EQ(ours, planar_ones);
}

TEST_P(AgainstNauty, ChromaticNumberAndConnectivityAreExact) {
    for (const auto& line : graphs_) {
        const Graph6Item input(line);
        GraphRecord record(input.item(1));
        ASSERT_EQ(record.value(Key::chromatic_number).integer, reference_chromatic(record.graph()))
            << line;
        ASSERT_EQ(record.value(Key::connectivity).integer, reference_connectivity(record.graph()))
            << line;
    }
}

INSTANTIATE_TEST_SUITE_P(SmallGraphs, AgainstNauty, ::testing::Values("7", "-c 8"));

TEST(ChromaticNumber, SevenNodesCountsPerColourNumber) {
    if (!nauty_tools_installed())
        GTEST_SKIP() << "nauty's programs are not installed";
    std::array<int, 8> per_colours{};
    for (const auto& line : lines_of("nauty-geng -q 7")) {
        const Graph6Item input(line);
        GraphRecord record(input.item(1));
        ++per_colours[static_cast<std::size_t>(record.value(Key::chromatic_number).integer)];
    }
    EXPECT_EQ(per_colours, (std::array<int, 8>{0, 1, 87, 579, 318, 52, 6, 1}));
}

}  // namespace
}  // namespace ugraph
