#pragma once
// The largest clique and the largest independent set of a DenseGraph, exact:
// a branch and bound over bitsets whose bound is a greedy colouring of the
// candidates (a clique holds at most one vertex of each colour class).
//
// clique_number gives 1 for a graph without links (and 0 for no vertices);
// independence_number is the clique number of the complement;
// largest_clique gives the members of one largest clique.
#include "invariants/dense_graph.hpp"

namespace ugraph {

VertexSet largest_clique(const DenseGraph& graph);
int clique_number(const DenseGraph& graph);
int independence_number(const DenseGraph& graph);

}  // namespace ugraph
