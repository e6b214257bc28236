#pragma once
// key_in_graph: a graph typed in at the keyboard.
//
// Asks for the name (its first 10 characters are kept), the node count n,
// and then one line per node 1..n behind the prompt "(j),". Every number on
// node j's line that is a node (1 to MAX_NODES) other than j gives the arc
// (j, v), in the order typed and only in that direction; everything else on
// the line is dropped without a word. A number above n is taken too (n is
// not raised by it). The result is a loose arc list for normalize_arcs, with
// node count n.
//
// Refusals, each told in one line and asked again: a name that could not be
// read back from the data file (see is_storable_name), and a node
// count above MAX_NODES or without digits (the rest of that answer line is
// dropped). A negative count is taken as typed and asks for no node lines.
// A link typed a second time (either way round) is not stored again, and
// links beyond MAX_LINKS are dropped with a one-line message.
//
// Gives false, and the graph must not be used, when input ends before the
// last node line has been read.
#include "console/console.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

inline constexpr int KEYED_NAME_CHARS = 10;

bool key_in_graph(Console& console, UGraph& graph);

}  // namespace ugraph
