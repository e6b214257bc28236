#pragma once
// normalize_arcs: brings a graph's arc list into canonical form.
//
// Takes a loose list (links given one way or both, in any order, repeated)
// and rewrites it in place so that every link is present both ways, the arcs
// ascend by first end and then by second end, and no arc repeats. A
// self-loop (a, a) stays one arc. The arc count becomes the new one; the
// node count is left as it is. A list already in canonical form comes out
// unchanged.
//
// Callers hand at most MAX_NORMALIZE_ARCS arcs, ended by a 0, with both ends
// within 1 to MAX_NODES; the operations that build lists refuse anything
// more. As a last guard against reading or writing out of bounds, arcs past
// that limit or with an end outside those numbers are dropped here rather
// than packed.
#include "graph/ugraph.hpp"

namespace ugraph {

void normalize_arcs(UGraph& graph);

}  // namespace ugraph
