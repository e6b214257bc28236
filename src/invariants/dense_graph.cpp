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
    // Node k's row holds bit k for each neighbour k: one shift gives the
    // vertex row, and the vertex's own bit is its self-loop, left out.
    for (int v = 0; v < nodes && v < 63; ++v) {
        graph.rows[v] = (links.row(v + 1) >> 1) & ~bit(v);
    }
    return graph;
}

int loops_of(const LinkSet& links) { return links.links() - links.links_without_loops(); }

}  // namespace ugraph
