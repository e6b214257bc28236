#pragma once
// vertex_connectivity: the fewest vertices whose removal disconnects a
// DenseGraph, exact: 0 when it is disconnected (or has one vertex), n - 1
// for a complete graph.
//
// Even's scheme: a least separator misses one of the first k + 1 vertices
// (k the best so far), and that vertex is parted from a later one; each
// pair is measured by vertex-disjoint paths (unit-capacity flow on the
// vertices split in two), stopped as soon as it reaches the best so far.
#include "invariants/dense_graph.hpp"

namespace ugraph {

int vertex_connectivity(const DenseGraph& graph);

}  // namespace ugraph
