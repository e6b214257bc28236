#include "invariants/cliques.hpp"

#include <array>

namespace ugraph {

namespace {

struct CliqueSearch {
    const DenseGraph& graph;
    int best = 0;
    VertexSet best_members = 0;

    // Colours the candidates greedily, class after class, giving them in
    // order of their colour with each one's colour number.
    int colour_order(VertexSet candidates, std::array<int, 64>& order,
                     std::array<int, 64>& colour) const {
        int placed = 0;
        for (int c = 1; candidates != 0; ++c) {
            VertexSet open = candidates;
            while (open != 0) {
                const int v = lowest(open);
                open &= ~bit(v) & ~graph.rows[v];
                candidates &= ~bit(v);
                order[placed] = v;
                colour[placed] = c;
                ++placed;
            }
        }
        return placed;
    }

    void expand(int size, VertexSet members, VertexSet candidates) {
        std::array<int, 64> order{};
        std::array<int, 64> colour{};
        const int placed = colour_order(candidates, order, colour);
        // Highest colours first: once size + colour cannot pass the best,
        // no vertex left can.
        for (int i = placed - 1; i >= 0; --i) {
            if (size + colour[i] <= best) {
                return;
            }
            const int v = order[i];
            const VertexSet inside = candidates & graph.rows[v];
            if (inside == 0) {
                if (size + 1 > best) {
                    best = size + 1;
                    best_members = members | bit(v);
                }
            } else {
                expand(size + 1, members | bit(v), inside);
            }
            candidates &= ~bit(v);
        }
    }
};

}  // namespace

VertexSet largest_clique(const DenseGraph& graph) {
    CliqueSearch search{graph};
    search.expand(0, 0, all_vertices(graph.n));
    return search.best_members;
}

int clique_number(const DenseGraph& graph) { return count(largest_clique(graph)); }

int independence_number(const DenseGraph& graph) { return clique_number(graph.complement()); }

}  // namespace ugraph
