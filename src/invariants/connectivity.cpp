#include "invariants/connectivity.hpp"

#include <algorithm>
#include <array>

#include "invariants/measures.hpp"

namespace ugraph {

namespace {

// Vertex-disjoint paths from s to t (not linked), counted up to `cap`. Each
// vertex v is split into v_in -> v_out of capacity 1 (`through` holds the
// vertices whose unit is taken); out[v] is the set of w such that one unit
// goes from v_out to w_in along the link v-w, and in[w] the same seen from w.
class DisjointPaths {
public:
    DisjointPaths(const DenseGraph& graph, int s, int t) : graph_(graph), s_(s), t_(t) {}

    int count_up_to(int cap) {
        int paths = 0;
        while (paths < cap && augment()) {
            ++paths;
        }
        return paths;
    }

private:
    // One breadth-first search over the residual graph: node 2v is v_in,
    // 2v + 1 is v_out; the sets of nodes reached keep each step to the
    // nodes not reached yet.
    bool augment() {
        std::array<int, 128> from{};
        std::array<int, 128> queue{};
        VertexSet seen_in = bit(s_);
        VertexSet seen_out = bit(s_);
        int head = 0;
        int tail = 0;
        from[2 * s_ + 1] = -1;
        queue[tail++] = 2 * s_ + 1;
        auto reach = [&](int node, int prev) {
            from[node] = prev;
            queue[tail++] = node;
        };
        while (head < tail) {
            const int node = queue[head++];
            const int v = node / 2;
            if (node % 2 == 0) {
                if (v == t_) {
                    apply(from, node);
                    return true;
                }
                if ((through_ & bit(v)) == 0 && (seen_out & bit(v)) == 0) {
                    seen_out |= bit(v);
                    reach(2 * v + 1, node);
                }
                for (VertexSet back = in_[v] & ~seen_out; back != 0; back &= back - 1) {
                    seen_out |= bit(lowest(back));
                    reach(2 * lowest(back) + 1, node);
                }
            } else {
                if ((through_ & bit(v)) != 0 && (seen_in & bit(v)) == 0) {
                    seen_in |= bit(v);
                    reach(2 * v, node);
                }
                for (VertexSet on = graph_.rows[v] & ~out_[v] & ~seen_in; on != 0; on &= on - 1) {
                    seen_in |= bit(lowest(on));
                    reach(2 * lowest(on), node);
                }
            }
        }
        return false;
    }

    void apply(const std::array<int, 128>& from, int node) {
        for (int at = node; from[at] >= 0; at = from[at]) {
            const int prev = from[at];
            const int a = prev / 2;
            const int b = at / 2;
            if (a == b) {
                // in -> out takes the unit, out -> in gives it back.
                through_ = prev % 2 == 0 ? through_ | bit(a) : through_ & ~bit(a);
            } else if (prev % 2 == 1) {
                out_[a] |= bit(b);
                in_[b] |= bit(a);
            } else {
                // a_in back to b_out: undoes the unit b -> a.
                out_[b] &= ~bit(a);
                in_[a] &= ~bit(b);
            }
        }
    }

    const DenseGraph& graph_;
    int s_;
    int t_;
    VertexSet through_ = 0;
    std::array<VertexSet, 64> out_{};
    std::array<VertexSet, 64> in_{};
};

}  // namespace

int vertex_connectivity(const DenseGraph& graph) {
    const int n = graph.n;
    if (n <= 1 || components(graph) > 1) {
        return 0;
    }
    int best = min_degree(graph);  // removing a vertex's neighbours isolates it
    for (int i = 0; i <= best && i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if ((graph.rows[i] & bit(j)) == 0) {
                best = std::min(best, DisjointPaths(graph, i, j).count_up_to(best));
            }
        }
    }
    return best;
}

}  // namespace ugraph
