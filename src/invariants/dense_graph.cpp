#include "invariants/dense_graph.hpp"

namespace ugraph {

int DenseGraph::links() const {
    int twice = 0;
    for (int v = 0; v < n; ++v) {
        twice += degree(v);
    }
    return twice / 2;
}

DenseGraph DenseGraph::complement() const {
    DenseGraph other;
    other.n = n;
    for (int v = 0; v < n; ++v) {
        other.rows[v] = ~rows[v] & all_vertices(n) & ~bit(v);
    }
    return other;
}

DenseGraph dense_graph_of(const LinkSet& links, int nodes) {
    DenseGraph graph;
    graph.n = nodes;
    links.for_each_link([&](int a, int b) {
        if (a != b) {
            graph.link(a - 1, b - 1);
        }
    });
    return graph;
}

int loops_of(const LinkSet& links) { return links.links() - links.links_without_loops(); }

}  // namespace ugraph
