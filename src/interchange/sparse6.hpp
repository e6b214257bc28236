#pragma once
// sparse6: nauty's one-line text for a graph that may hold self-loops,
// starting with ':'. Vertex v of sparse6 is node v + 1.
//
// append_sparse6 writes the links among n vertices as one line
// ending in '\n', with no header, in the one encoding nauty itself writes,
// so that nauty's tools take it as their own. read_sparse6 reads one line (no header, no line end)
// into `links` (cleared first) and its vertex count, or refuses it with a
// reason: no leading ':' (an incremental
// ';' line is refused as not read), a byte outside 63..126, no vertices, more
// vertices than MAX_NODES, or more links than MAX_LINKS. A link listed more
// than once (a multigraph) is read once.
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "graph/link_set.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

void append_sparse6(const LinkSet& links, int n, std::string& out);

Result<> read_sparse6(std::string_view line, LinkSet& links, int& vertices);

}  // namespace ugraph
