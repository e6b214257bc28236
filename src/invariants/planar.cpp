#include "invariants/planar.hpp"

#include <array>
#include <new>

#include "invariants/planarity_suite.h"

namespace ugraph {

namespace {

bool embeds(const DenseGraph& graph, int links) {
    // Two ends of each of at most 3n - 6 links.
    std::array<int, 384> ends{};
    int k = 0;
    for (int v = 0; v < graph.n; ++v) {
        for (VertexSet up = graph.rows[v] & ~all_vertices(v + 1); up != 0; up &= up - 1) {
            ends[k++] = v;
            ends[k++] = lowest(up);
        }
    }
    const int answer = ugraph_planar_embedding(graph.n, ends.data(), links);
    // A suite that cannot be set up has no answer: never a guess.
    if (answer < 0) {
        throw std::bad_alloc();
    }
    return answer == 1;
}

}  // namespace

bool planar(const DenseGraph& graph) {
    const int links = graph.links();
    // Every non-planar graph holds a subdivision of K5 (10 links, 5
    // vertices) or K3,3 (9 links, 6 vertices).
    if (graph.n < 5 || links < 9) {
        return true;
    }
    if (links > 3 * graph.n - 6) {
        return false;
    }
    return embeds(graph, links);
}

}  // namespace ugraph
