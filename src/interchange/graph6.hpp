#pragma once
// graph6: nauty's one-line text for a simple graph (no self-loops). Vertex
// v of graph6 is node v + 1.
//
// append_graph6 writes the links among `vertices` vertices as one line ending
// in '\n', with no header; it refuses a graph holding a self-loop, naming the
// node, and then leaves `out` as it was. read_graph6 reads one line (no header, no line end)
// into `links` (cleared first) and its vertex count, or refuses it with a
// reason: a byte outside 63..126, a length that does not fit the vertex
// count, no vertices, more vertices than MAX_NODES or more links than
// MAX_LINKS. Padding bits are not checked, as nauty does not check them
// either.
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "graph/link_set.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

Result<> append_graph6(const LinkSet& links, int vertices, std::string& out);

Result<> read_graph6(std::string_view line, LinkSet& links, int& vertices);

}  // namespace ugraph
