#pragma once
// DOT: Graphviz's text, for drawing a graph; written, never read.
//
// append_dot writes one undirected graph named `name` (quoted, a '"' or a
// backslash escaped): each link once as "a -- b;", a self-loop as "a -- a;",
// then every node 1..vertices, ten to a line, so that isolated nodes are
// drawn too. A name that is not UTF-8 is taken as Latin-1 and written as
// UTF-8, the only encoding Graphviz reads without a warning. It cannot fail.
#include <string>
#include <string_view>

#include "interchange/link_graph.hpp"

namespace ugraph {

void append_dot(const LinkGraph& graph, std::string_view name, std::string& out);

}  // namespace ugraph
