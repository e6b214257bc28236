#pragma once
// What nauty's densenauty tells of a DenseGraph: the exact order of its
// automorphism group, its number of orbits and the graph6 line of its
// canonical labelling, the same line nauty-labelg writes for the graph.
// canonical_form() is that labelling's graph itself.
//
// symmetry() gives all three from one run of nauty. The group order is the
// product of the orbit sizes nauty meets along its first path, multiplied
// exactly, not nauty's floating approximation.
#include <string>

#include "invariants/big_natural.hpp"
#include "invariants/dense_graph.hpp"

namespace ugraph {

struct Symmetry {
    BigNatural automorphisms;
    int orbits = 0;
    std::string canonical;  // graph6, without a line end
};

Symmetry symmetry(const DenseGraph& graph);

// The canonical graph6 line alone.
std::string canonical_graph6(const DenseGraph& graph);

// The graph relabelled by the same canonical labelling: two graphs are
// isomorphic exactly when their forms are equal, as the class finder splits
// its ties, with no line to build.
DenseGraph canonical_form(const DenseGraph& graph);

// nauty keeps its work space per thread until told: a thread that labelled
// graphs calls this before it ends.
void release_nauty_space();

}  // namespace ugraph
