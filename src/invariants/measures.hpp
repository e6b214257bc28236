#pragma once
// The invariants of a DenseGraph that come from its degrees, its distances
// and its cycles, in the conventions nauty's countg uses so that results
// compare: girth 0 for an acyclic graph, radius and diameter -1 for a
// disconnected one.
//
// Each takes the graph and gives a number or a truth; none can fail.
// Distances come from one breadth-first search per vertex over the rows.
#include "invariants/dense_graph.hpp"

namespace ugraph {

int min_degree(const DenseGraph& graph);
int max_degree(const DenseGraph& graph);
int components(const DenseGraph& graph);
// The eccentricities' least and greatest value; both -1 when disconnected.
struct Extent {
    int radius = -1;
    int diameter = -1;
};
Extent extent(const DenseGraph& graph);
int girth(const DenseGraph& graph);
long triangles(const DenseGraph& graph);
bool bipartite(const DenseGraph& graph);
bool regular(const DenseGraph& graph);
// Every degree even, connected or not.
bool eulerian(const DenseGraph& graph);

// The vertices reachable from `start` inside `allowed`.
VertexSet reach(const DenseGraph& graph, int start, VertexSet allowed);

}  // namespace ugraph
