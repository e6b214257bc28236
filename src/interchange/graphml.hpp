#pragma once
// GraphML: the XML of yEd, Gephi, Cytoscape, NetworkX and igraph, both ways;
// one document holds several graphs, one <graph> element each.
//
// open_graphml and close_graphml write the document around the graphs: the
// XML declaration, the <graphml> element and its keys (a graph's name, and
// each node's number as its label, so that other programs show it).
// append_graphml writes one undirected <graph> inside it: its name, nodes 1..n
// (isolated ones too) and each link once. None of them fails.
//
// read_graphml takes a whole document, read with pugixml, and gives its
// <graph> elements in file order. Node identifiers (any text) are numbered
// 1..n in file order, a node that only an edge names included; a directed
// graph's arcs and repeated edges become one link each, with a note; a graph
// with hyperedges, more than MAX_NODES nodes or MAX_LINKS links, or none, is
// refused alone. The document is refused when it is not well-formed XML or
// holds no <graphml> element with a <graph>.
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/ugraph.hpp"
#include "interchange/document_graph.hpp"

namespace ugraph {

void open_graphml(std::string& out);
void append_graphml(const UGraph& graph, std::string& out);
void close_graphml(std::string& out);

Result<> read_graphml(std::string_view text, std::vector<DocumentGraph>& graphs);

}  // namespace ugraph
