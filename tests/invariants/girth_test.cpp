// girth against a shortest cycle found another way: for each link, one more
// than the distance between its ends without it. Every graph on 6 vertices,
// and random graphs up to 50 vertices, sparse to dense, so that the rows'
// triangle and square checks and the searches after them are all met.
#include <gtest/gtest.h>

#include <random>

#include "invariants/measures.hpp"

namespace ugraph {
namespace {

// The distance from a to b without the link a-b, or 0 when b is out of reach.
int distance_without_link(const DenseGraph& g, int a, int b) {
    VertexSet seen = bit(a);
    VertexSet frontier = seen;
    for (int distance = 1; frontier != 0; ++distance) {
        VertexSet next = 0;
        for (VertexSet f = frontier; f != 0; f &= f - 1) {
            const int v = lowest(f);
            next |= v == a ? g.rows[v] & ~bit(b) : g.rows[v];
        }
        frontier = next & ~seen;
        if ((frontier & bit(b)) != 0) {
            return distance;
        }
        seen |= frontier;
    }
    return 0;
}

int reference_girth(const DenseGraph& g) {
    int best = 0;
    for (int a = 0; a < g.n; ++a) {
        for (VertexSet up = g.rows[a] & ~all_vertices(a + 1); up != 0; up &= up - 1) {
            const int d = distance_without_link(g, a, lowest(up));
            if (d != 0 && (best == 0 || d + 1 < best)) {
                best = d + 1;
            }
        }
    }
    return best;
}

TEST(Girth, AgreesOnEveryGraphOfSixVertices) {
    constexpr int n = 6;
    constexpr int pairs = n * (n - 1) / 2;
    for (unsigned code = 0; code < (1U << pairs); ++code) {
        DenseGraph g;
        g.n = n;
        int place = 0;
        for (int b = 1; b < n; ++b) {
            for (int a = 0; a < b; ++a, ++place) {
                if ((code >> place) & 1U) {
                    g.link(a, b);
                }
            }
        }
        ASSERT_EQ(girth(g), reference_girth(g)) << code;
    }
}

TEST(Girth, AgreesOnRandomGraphsUpTo50Vertices) {
    std::mt19937 random(7);
    for (int n = 7; n <= 50; ++n) {
        for (const double density : {0.03, 0.06, 0.1, 0.2, 0.5}) {
            std::bernoulli_distribution linked(density);
            DenseGraph g;
            g.n = n;
            for (int b = 1; b < n; ++b) {
                for (int a = 0; a < b; ++a) {
                    if (linked(random)) {
                        g.link(a, b);
                    }
                }
            }
            ASSERT_EQ(girth(g), reference_girth(g)) << n << ' ' << density;
        }
    }
}

}  // namespace
}  // namespace ugraph
