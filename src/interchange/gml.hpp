#pragma once
// GML: the Graph Modelling Language of NetworkX, igraph, Gephi and
// Cytoscape, both ways; one graph per file.
//
// append_gml writes one undirected graph: its name, nodes 1..n (isolated ones
// too, each labelled with its number) and each link once, in 7-bit ASCII, a
// character outside it, a '"' or a '&' written as a character entity
// ("&#956;"), as NetworkX writes and reads them. It cannot fail.
//
// read_gml takes a whole document: key-value pairs, a value a number, a
// quoted string or a list in [ ], '#' starting a comment to the end of its
// line. Its one top-level "graph" is the graph: its "name" (or "label"),
// "node" lists with an "id" each, numbered 1..n in file order, and "edge"
// lists with a "source" and a "target"; a directed graph's arcs and repeated
// edges become one link each, with a note. The document is refused when it
// does not parse, holds no graph or several, or nests lists deeper than a
// graph needs; the graph alone when it has no node, more than MAX_NODES or
// more than MAX_LINKS links, or an edge without its ends.
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/ugraph.hpp"
#include "interchange/document_graph.hpp"

namespace ugraph {

void append_gml(const UGraph& graph, std::string& out);

Result<> read_gml(std::string_view text, std::vector<DocumentGraph>& graphs);

}  // namespace ugraph
