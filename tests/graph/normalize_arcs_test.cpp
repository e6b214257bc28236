#include "graph/normalize_arcs.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace ugraph {
namespace {

using Arcs = std::vector<std::pair<int, int>>;

// Normalises the arcs with node count 7 in arrays that hold junk behind the
// list, checks that n stays and a 0 closes the result, and gives the arcs.
Arcs normalized(const Arcs& raw) {
    UGraph g;
    g.arc_from.fill(9);
    g.arc_to.fill(9);
    g.arc_from[0] = static_cast<int>(raw.size());
    g.arc_to[0] = 7;
    for (std::size_t k = 0; k <= raw.size(); ++k) {
        g.arc_from[k + 1] = k < raw.size() ? raw[k].first : 0;
        g.arc_to[k + 1] = k < raw.size() ? raw[k].second : 0;
    }
    normalize_arcs(g);
    const int count = g.arc_from[0];
    EXPECT_EQ(g.arc_to[0], 7);
    EXPECT_EQ(std::pair(g.arc_from[count + 1], g.arc_to[count + 1]), std::pair(0, 0));
    Arcs arcs;
    for (int k = 1; k <= count; ++k) {
        arcs.emplace_back(g.arc_from[k], g.arc_to[k]);
    }
    return arcs;
}

TEST(NormalizeArcs, GivesEveryLinkBothWaysAscendingAndOnce) {
    // A full list of 1249 arcs: repeats first, so that the last arc, the one a
    // walk stopping short would lose, is a new link.
    Arcs full(24, {2, 1});
    Arcs all;
    for (int a = 1; a <= MAX_NODES; ++a) {
        for (int b = 1; b <= MAX_NODES; ++b) {
            if (a < b)
                full.emplace_back(b, a);
            if (a != b)
                all.emplace_back(a, b);
        }
    }
    ASSERT_EQ(full.size(), std::size_t{MAX_NORMALIZE_ARCS});
    const Arcs triangle = {{1, 2}, {1, 3}, {2, 1}, {2, 3}, {3, 1}, {3, 2}, {3, 4}, {4, 3}};
    Arcs looped = triangle;
    looped.emplace_back(4, 4);
    const std::pair<Arcs, Arcs> cases[] = {
        {{}, {}},
        {{{1, 2}, {1, 3}, {2, 3}, {3, 4}}, triangle},
        {{{1, 2}, {1, 3}, {2, 3}, {3, 4}, {2, 1}, {1, 3}, {4, 4}}, looped},
        {{{2, 1}, {1, 2}, {2, 1}, {1, 2}, {1, 2}}, {{1, 2}, {2, 1}}},
        {{{50, 12}, {3, 3}, {12, 9}, {9, 50}},
         {{3, 3}, {9, 12}, {9, 50}, {12, 9}, {12, 50}, {50, 9}, {50, 12}}},
        {full, all},
    };
    for (const auto& [raw, canonical] : cases) {
        EXPECT_EQ(normalized(raw), canonical);
        if (canonical.size() <= full.size()) {
            EXPECT_EQ(normalized(canonical), canonical);  // a second pass changes nothing
        }
    }
}

}  // namespace
}  // namespace ugraph
