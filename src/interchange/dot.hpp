#pragma once
// DOT: Graphviz's text, for drawing a graph; written, never read.
//
// append_dot writes one undirected graph under the graph's name (quoted, a
// '"' or a backslash escaped), laid out by neato, Graphviz's layout for
// undirected graphs (dot's ranks would draw a ring as a chain with one long
// arc back): each link once as "a -- b;", a self-loop as "a -- a;",
// then every node 1..vertex_count, ten to a line, so that isolated nodes are
// drawn too. A name that is not UTF-8 is taken as Latin-1 and written as
// UTF-8, the only encoding Graphviz reads without a warning. It cannot fail.
#include <string>
#include <string_view>

#include "graph/ugraph.hpp"

namespace ugraph {

void append_dot(const UGraph& graph, std::string& out);

}  // namespace ugraph
