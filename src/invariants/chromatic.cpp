#include "invariants/chromatic.hpp"

#include <array>

#include "invariants/cliques.hpp"

namespace ugraph {

namespace {

class ColourSearch {
public:
    ColourSearch(const DenseGraph& graph, std::int64_t budget) : graph_(graph), budget_(budget) {}

    std::optional<int> run() {
        const VertexSet clique = largest_clique(graph_);
        lower_ = count(clique);
        best_ = graph_.n;  // one colour each always works
        uncoloured_ = all_vertices(graph_.n);
        int used = 0;
        for (VertexSet c = clique; c != 0; c &= c - 1) {
            assign(lowest(c), ++used);
        }
        search(count(clique), used);
        if (out_of_budget_) {
            return std::nullopt;
        }
        return best_;
    }

private:
    void assign(int v, int colour) {
        colour_[v] = colour;
        uncoloured_ &= ~bit(v);
        for (VertexSet row = graph_.rows[v]; row != 0; row &= row - 1) {
            const int w = lowest(row);
            if (seen_[w][colour]++ == 0) {
                sees_[w] |= bit(colour);
            }
        }
    }

    void unassign(int v) {
        const int colour = colour_[v];
        colour_[v] = 0;
        uncoloured_ |= bit(v);
        for (VertexSet row = graph_.rows[v]; row != 0; row &= row - 1) {
            const int w = lowest(row);
            if (--seen_[w][colour] == 0) {
                sees_[w] &= ~bit(colour);
            }
        }
    }

    // The uncoloured vertex that sees the most colours, ties to the one
    // with the most uncoloured neighbours.
    int most_saturated() const {
        int chosen = lowest(uncoloured_);
        int best_saturation = -1;
        int best_degree = -1;
        for (VertexSet left = uncoloured_; left != 0; left &= left - 1) {
            const int v = lowest(left);
            const int saturation = count(sees_[v]);
            const int degree = count(graph_.rows[v] & uncoloured_);
            if (saturation > best_saturation ||
                (saturation == best_saturation && degree > best_degree)) {
                chosen = v;
                best_saturation = saturation;
                best_degree = degree;
            }
        }
        return chosen;
    }

    void search(int coloured, int used) {
        if (coloured == graph_.n) {
            best_ = used;
            return;
        }
        if (--budget_ < 0) {
            out_of_budget_ = true;
            return;
        }
        const int v = most_saturated();
        // A colour beyond used + 1 is the same as used + 1; one that brings
        // the count to the best so far cannot beat it.
        for (int colour = 1; colour <= used + 1 && colour < best_; ++colour) {
            if ((sees_[v] & bit(colour)) != 0) {
                continue;
            }
            assign(v, colour);
            search(coloured + 1, std::max(used, colour));
            unassign(v);
            if (best_ == lower_ || out_of_budget_) {
                return;
            }
        }
    }

    const DenseGraph& graph_;
    std::int64_t budget_;
    bool out_of_budget_ = false;
    int lower_ = 0;
    int best_ = 0;
    VertexSet uncoloured_ = 0;
    std::array<int, 64> colour_{};
    std::array<VertexSet, 64> sees_{};
    std::array<std::array<std::uint8_t, 65>, 64> seen_{};
};

}  // namespace

std::optional<int> chromatic_number(const DenseGraph& graph, std::int64_t budget) {
    if (graph.n == 0) {
        return 0;
    }
    return ColourSearch(graph, budget).run();
}

}  // namespace ugraph
