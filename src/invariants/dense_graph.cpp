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
    // Node k's row, shifted down by one, is vertex k - 1's: row for row,
    // with the self-loop's bit taken out.
    for (int node = 1; node <= links.extent(); ++node) {
        graph.rows[node - 1] = (links.row(node) >> 1) & ~bit(node - 1);
    }
    return graph;
}

int loops_of(const LinkSet& links) { return links.links() - links.links_without_loops(); }

}  // namespace ugraph
