// Isomorphism classes, find and the duplicates to delete, over every graph
// of 7 nodes mixed with three random relabellings of them by nauty-ranlabg.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "invariants/class_finder.hpp"
#include "invariants/invariants_commands.hpp"
#include "nauty_tools.hpp"

namespace ugraph {
namespace {

// A feed over graph6 lines, numbered from `first`.
GraphFeed feed_of(const std::vector<std::string>& lines, long first = 1) {
    return [&lines, first](const EachGraph& each) {
        long number = first;
        for (const auto& line : lines) {
            const Graph6Item input(line);
            if (!each(input.item(number++)))
                return;
        }
    };
}

class RelabelledSeven : public ::testing::Test {
protected:
    void SetUp() override {
        if (!nauty_tools_installed())
            GTEST_SKIP() << "nauty's programs are not installed";
        const std::string file =
            ::testing::TempDir() + "ugraph_classes_" + std::to_string(::getpid());
        lines_of("nauty-geng -q 7 > " + file);
        originals_ = lines_of("cat " + file);
        mixed_ = originals_;
        for (const char* seed : {"1", "2", "3"}) {
            const auto relabelled =
                lines_of(std::string("nauty-ranlabg -q -S") + seed + " " + file);
            mixed_.insert(mixed_.end(), relabelled.begin(), relabelled.end());
        }
        std::remove(file.c_str());
    }
    std::vector<std::string> originals_;
    std::vector<std::string> mixed_;
};

TEST_F(RelabelledSeven, ClassesAreTheFourCopiesOfEachGraph) {
    ASSERT_EQ(mixed_.size(), 4u * 1044u);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_classes(feed_of(mixed_), false, nullptr, out, err), 0);
    std::istringstream lines(out.str());
    std::string line;
    long first = 1;
    for (; std::getline(lines, line); ++first) {
        ASSERT_EQ(line, std::to_string(first) + " " + std::to_string(first + 1044) + " " +
                            std::to_string(first + 2088) + " " + std::to_string(first + 3132));
    }
    EXPECT_EQ(first, 1045);
    EXPECT_EQ(err.str(), "");
}

TEST_F(RelabelledSeven, DuplicatesAreEveryLaterCopy) {
    const auto later = duplicate_numbers(feed_of(mixed_));
    ASSERT_EQ(later.size(), 3u * 1044u);
    EXPECT_EQ(later.front(), 1045);
    EXPECT_EQ(later.back(), 4176);
}

TEST_F(RelabelledSeven, FindGivesTheFourNumbersAndNothingForANewGraph) {
    // Queries: a relabelled copy (number 3001), an original (number 6), and
    // a graph of 8 nodes, absent.
    const std::vector<std::string> queries = {mixed_[3000], originals_[5], "G`?G?C"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_find(feed_of(mixed_), feed_of(queries), out, err), 1);
    EXPECT_EQ(out.str(), "913 1957 3001 4045\n6 1050 2094 3138\n\n");
}

TEST_F(RelabelledSeven, DuplicatesOnlyAndWhere) {
    std::ostringstream out;
    std::ostringstream err;
    const auto where = parse_where("girth=5..");
    ASSERT_TRUE(where);
    std::vector<std::string> two = {originals_[0], mixed_[1044], originals_[1]};
    EXPECT_EQ(run_classes(feed_of(two), true, nullptr, out, err), 0);
    EXPECT_EQ(out.str(), "1 2\n");
    out.str("");
    // The classes of girth 5 or more: as many as pickg keeps of geng's.
    EXPECT_EQ(run_classes(feed_of(mixed_), false, &where.value(), out, err), 0);
    const auto kept = lines_of("nauty-geng -q 7 | nauty-pickg -q -g5:");
    const std::string classes = out.str();
    EXPECT_EQ(static_cast<std::size_t>(std::count(classes.begin(), classes.end(), '\n')),
              kept.size());
}

// Every graph of 8 nodes and a relabelling of each: several batches of
// graphs, placed while the feed reads on, with fingerprints computed on
// whichever thread is free, and more lines than one block of output.
TEST(ClassesOfManyGraphs, EachGraphMeetsItsRelabellingAlone) {
    if (!nauty_tools_installed())
        GTEST_SKIP() << "nauty's programs are not installed";
    const std::string file = ::testing::TempDir() + "ugraph_classes8_" + std::to_string(::getpid());
    lines_of("nauty-geng -q 8 > " + file);
    std::vector<std::string> mixed = lines_of("cat " + file);
    const long count = static_cast<long>(mixed.size());
    ASSERT_EQ(count, 12346);
    const auto relabelled = lines_of("nauty-ranlabg -q -S7 " + file);
    std::remove(file.c_str());
    mixed.insert(mixed.end(), relabelled.begin(), relabelled.end());

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_classes(feed_of(mixed), false, nullptr, out, err), 0);
    std::string expected;
    for (long first = 1; first <= count; ++first)
        expected += std::to_string(first) + " " + std::to_string(first + count) + "\n";
    EXPECT_EQ(out.str(), expected);
    // Only the relabelled half are duplicates; with no copy at all, no class
    // of two or more is left to write.
    const auto later = duplicate_numbers(feed_of(mixed));
    ASSERT_EQ(later.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(later.front(), count + 1);
    out.str("");
    mixed.resize(static_cast<std::size_t>(count));
    EXPECT_EQ(run_classes(feed_of(mixed), true, nullptr, out, err), 0);
    EXPECT_EQ(out.str(), "");
}

TEST(Fingerprint, IsomorphicGraphsMeetAndAClassFinderSplitsTies) {
    // Two 3-regular graphs of 6 nodes, the prism and K3,3: colour
    // refinement cannot part them, the canonical line does.
    DenseGraph prism;
    prism.n = 6;
    for (auto [a, b] :
         {std::pair{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}, {0, 3}, {1, 4}, {2, 5}})
        prism.link(a, b);
    DenseGraph k33;
    k33.n = 6;
    for (int a = 0; a < 3; ++a)
        for (int b = 3; b < 6; ++b)
            k33.link(a, b);
    EXPECT_EQ(fingerprint(prism), fingerprint(k33));
    ClassFinder finder;
    EXPECT_EQ(finder.place(prism), 0);
    EXPECT_EQ(finder.place(k33), 1);
    EXPECT_EQ(finder.place(prism), 0);
    EXPECT_EQ(finder.look_up(k33), 1);
    EXPECT_EQ(finder.classes(), 2);
}

// Graphs past 11 nodes keep their triangle in several words, which a link
// may straddle.
TEST(Fingerprint, LargeGraphsAreComparedWordByWord) {
    for (const int n : {12, 23, 50}) {
        // A ring and two rings of half its size: every vertex of degree 2,
        // so the fingerprints meet and only the canonical forms differ.
        DenseGraph ring;
        ring.n = n;
        DenseGraph two_rings;
        two_rings.n = n;
        for (int v = 0; v < n; ++v)
            ring.link(v, (v + 1) % n);
        const int half = n / 2;
        for (int v = 0; v < half; ++v)
            two_rings.link(v, (v + 1) % half);
        for (int v = half; v < n; ++v)
            two_rings.link(v, v + 1 < n ? v + 1 : half);
        // The ring with its vertices numbered backwards from a shifted start.
        DenseGraph turned;
        turned.n = n;
        for (int v = 0; v < n; ++v)
            turned.link((n - v + 5) % n, (n - v + 4) % n);
        ASSERT_EQ(fingerprint(ring), fingerprint(two_rings));

        std::vector<std::uint64_t> words;
        pack_triangle(ring, words);
        ASSERT_EQ(words.size(), triangle_words(n));
        const DenseGraph back = unpack_triangle(words, n);
        EXPECT_EQ(back.n, n);
        EXPECT_TRUE(std::equal(back.rows.begin(), back.rows.end(), ring.rows.begin())) << n;

        ClassFinder finder;
        EXPECT_EQ(finder.place(ring), 0);
        EXPECT_EQ(finder.place(two_rings), 1);
        EXPECT_EQ(finder.place(turned), 0) << n;
        EXPECT_EQ(finder.look_up(turned), 0);
    }
}

// Unions of rings on 12 nodes all share a fingerprint (every vertex of
// degree 2), and some share their finer print too. A run of copies makes
// the finer print stop paying; the classes stay exact either way.
TEST(Fingerprint, ClassesStayExactWhenCopiesMakeTheFinerPrintStop) {
    const int n = 12;
    // Rings of the given lengths, vertex v numbered (a v + b) mod 12.
    const auto rings = [](const std::vector<int>& lengths, int a, int b) {
        DenseGraph graph;
        graph.n = n;
        int start = 0;
        for (const int length : lengths) {
            for (int k = 0; k < length; ++k) {
                const int v = start + k;
                const int w = start + (k + 1) % length;
                graph.link((a * v + b) % n, (a * w + b) % n);
            }
            start += length;
        }
        return graph;
    };
    const std::vector<std::vector<int>> kinds = {{12},   {6, 6},    {4, 8},    {3, 9},
                                                 {5, 7}, {3, 3, 6}, {4, 4, 4}, {3, 4, 5}};
    ClassFinder finder;
    for (int copy = 0; copy < 600; ++copy)
        ASSERT_EQ(finder.place(rings(kinds[0], 1 + 2 * (copy % 2) * 2, copy % n)), 0);
    for (std::size_t kind = 1; kind < kinds.size(); ++kind)
        EXPECT_EQ(finder.place(rings(kinds[kind], 1, 0)), static_cast<int>(kind));
    for (int copy = 0; copy < 200; ++copy) {
        const std::size_t kind = static_cast<std::size_t>(copy) % kinds.size();
        EXPECT_EQ(finder.place(rings(kinds[kind], copy % 2 == 0 ? 5 : 7, copy % n)),
                  static_cast<int>(kind))
            << copy;
    }
    EXPECT_EQ(finder.classes(), static_cast<int>(kinds.size()));
}

}  // namespace
}  // namespace ugraph
