#include "invariants/connectivity.hpp"

#include <algorithm>
#include <array>

#include "invariants/measures.hpp"

namespace ugraph {

namespace {

// Vertex-disjoint paths from s to t (not linked), counted up to `cap`. Each
// vertex v is split into v_in -> v_out of capacity 1; flow[v] is the set of
// w such that one unit goes from v_out to w_in along the link v-w.
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
    // One breadth-first search over the residual graph's nodes: 2v is v_in,
    // 2v + 1 is v_out.
    bool augment() {
        std::array<int, 128> from{};
        from.fill(-2);
        std::array<int, 128> queue{};
        int head = 0;
        int tail = 0;
        from[2 * s_ + 1] = -1;
        queue[tail++] = 2 * s_ + 1;
        while (head < tail) {
            const int node = queue[head++];
            const int v = node / 2;
            if (v == t_) {
                apply(from, node);
                return true;
            }
            for (const int next : residual_steps(node)) {
                if (next >= 0 && from[next] == -2) {
                    from[next] = node;
                    queue[tail++] = next;
                }
            }
        }
        return false;
    }

    std::array<int, 66> residual_steps(int node) const {
        std::array<int, 66> steps{};
        steps.fill(-1);
        int k = 0;
        const int v = node / 2;
        if (node % 2 == 0) {
            // v_in: on to v_out when the unit of v is free, or back along
            // the link whose flow came in.
            if (!used_[v])
                steps[k++] = 2 * v + 1;
            for (int w = 0; w < graph_.n; ++w) {
                if ((flow_[w] & bit(v)) != 0)
                    steps[k++] = 2 * w + 1;
            }
        } else {
            if (used_[v] && v != s_)
                steps[k++] = 2 * v;
            for (VertexSet out = graph_.rows[v] & ~flow_[v]; out != 0; out &= out - 1) {
                const int w = lowest(out);
                if (w != s_)
                    steps[k++] = 2 * w;
            }
        }
        return steps;
    }

    void apply(const std::array<int, 128>& from, int node) {
        for (int at = node; from[at] >= 0; at = from[at]) {
            const int prev = from[at];
            const int a = prev / 2;
            const int b = at / 2;
            if (a == b) {
                used_[a] = prev % 2 == 0;  // in -> out takes the unit, out -> in frees it
            } else if (prev % 2 == 1) {
                flow_[a] |= bit(b);
            } else {
                flow_[b] &= ~bit(a);  // v_in back to w_out: undoes w -> v
            }
        }
    }

    const DenseGraph& graph_;
    int s_;
    int t_;
    std::array<VertexSet, 64> flow_{};
    std::array<bool, 64> used_{};
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
