#include "entry/key_in_graph.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "entry/scan_line_numbers.hpp"

namespace ugraph {
namespace {

using Arcs = std::vector<std::pair<int, int>>;

// key_in_graph over the typed text, into arrays that hold junk behind the
// list; arcs holds the typed arcs and the terminator.
struct Keyed {
    explicit Keyed(const std::string& typed) : in(typed) {
        g.arc_from.fill(9);
        g.arc_to.fill(9);
        ok = key_in_graph(console, g);
        for (int k = 1; ok && k <= g.arc_from[0] + 1; ++k) {
            arcs.emplace_back(g.arc_from[k], g.arc_to[k]);
        }
    }
    std::istringstream in;
    std::ostringstream out;
    Console console{in, out};
    UGraph g;
    bool ok = false;
    Arcs arcs;
};

TEST(KeyInGraph, TakesEachNumberThatIsAnotherNodeOnce) {
    const struct {
        const char* typed;
        int n;
        Arcs arcs;
    } cases[] = {
        {"g\n4\n2 3\n3\n4\n\n", 4, {{1, 2}, {1, 3}, {2, 3}, {3, 4}, {0, 0}}},
        {"g\n4 2 3\n\n\n\n", 4, {{1, 2}, {1, 3}, {0, 0}}},  // the count's line goes on as node 1's
        {"g\n0\n", 0, {{0, 0}}},
        {"g\n-2\n", -2, {{0, 0}}},
        {"g\n3\n\n\n3 0 -5\n", 3, {{3, 5}, {0, 0}}},
        {"g\n3\n51 4294967299 2\n\n\n", 3, {{1, 2}, {0, 0}}},  // the long run must not wrap to 3
        {"g\n3\n2,2 3\n1\n\n", 3, {{1, 2}, {1, 3}, {0, 0}}},
    };
    for (const auto& c : cases) {
        const Keyed t(c.typed);
        EXPECT_EQ(t.g.node_count(), c.n) << c.typed;
        EXPECT_EQ(t.arcs, c.arcs) << c.typed;
    }
    // the quote lies beyond the 10 characters kept, so the name is not refused
    EXPECT_EQ(name_text(Keyed("abcdefghij\"k\n0\n").g.name), "abcdefghij");
    for (const char* typed :
         {"", "]\n", "a\rb\n", "\x1a\n", "g\n", "g\n51\n", "g\nx", "g\n3\n2\n"}) {
        EXPECT_FALSE(Keyed(typed).ok) << typed;  // input ended too soon
    }
}

TEST(KeyInGraph, StopsAt624Links) {
    std::string typed = "g\n50\n";
    for (int j = 1; j <= 50; ++j) {
        for (int v = 1; v <= 50; ++v) {
            typed += std::to_string(v) + (v < 50 ? " " : "\n");
        }
    }
    const Keyed t(typed);
    ASSERT_EQ(t.arcs.size(), 625U);
    EXPECT_EQ(t.arcs[623], std::pair(15, 44));  // node 15's line reaches the limit
    EXPECT_NE(t.out.str().find("(15),Error: a Ugraph holds at most 624 links; the further ones "
                               "on this line were dropped\n(16),"),
              std::string::npos);
}

TEST(ScanLineNumbers, TakesEachDigitRunAsOneNumber) {
    const std::pair<std::string, std::vector<std::int32_t>> cases[] = {
        {"2,3 4", {2, 3, 4}}, {"12a34", {12, 34}}, {"-3", {3}},
        {"007", {7}},         {"0", {0}},          {"(x), -", {}},
        {"7\3778", {7, 8}},   {{"5\0 6", 4}, {5}}, {"99999999999 1", {INT32_MAX, 1}}};
    for (const auto& [line, numbers] : cases) {
        std::vector<std::int32_t> taken;
        scan_line_numbers(line, [&](std::int32_t v) { taken.push_back(v); });
        EXPECT_EQ(taken, numbers) << line;
    }
}

}  // namespace
}  // namespace ugraph
