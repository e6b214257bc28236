#pragma once
// edit_neighbors: one pass of corrections to a canonical graph.
//
// Copies each node's run of arcs into a row of neighbours (all of them,
// lower ones included, ascending), then answers a menu until 0:
//   k > 0  lists row k and replaces it by the numbers v with k < v <= n on
//          the next typed line, in the order typed, repeats kept;
//   k < 0  takes the next typed line, cut to 15 characters, as the new name;
//   0      ends the pass.
// A menu answer without digits keeps the previous k and acts on it again
// with the rest of that answer line; before the first answer k is n + 1
// (1 when n is below 1). At the end every row is written back as a loose arc
// list (a row's repeats once) for the caller's normalize_arcs: two nodes stay
// linked when either one's row still holds the other, so a correction line
// only ever decides the links to higher nodes.
//
// Refusals, each told in one line, the graph left consistent:
//  - a node above n has no row: nothing is listed or changed, and the rest
//    of that answer line is dropped;
//  - a row holds at most MAX_NODES entries: repeats are kept while there is
//    room and make way for new numbers after, so no neighbour is dropped;
//  - a name that could not be read back (see is_storable_name) is not taken;
//  - a pass whose links would pass MAX_LINKS keeps the arcs as they were
//    before the pass (a new name is still taken).
// End of input anywhere ends the pass as if 0 had been typed; a row or name
// whose line never came is left as it was.
#include "console/console.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

void edit_neighbors(Console& console, UGraph& graph);

}  // namespace ugraph
