#pragma once
// planar: whether a DenseGraph can be drawn in the plane without crossing
// links, by the edge-addition planarity suite (libplanarity). Graphs too
// small or too sparse to hold a K5 or K3,3 subdivision, and graphs with more
// than 3n - 6 links, are told without it.
#include "invariants/dense_graph.hpp"

namespace ugraph {

bool planar(const DenseGraph& graph);

}  // namespace ugraph
