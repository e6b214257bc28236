#pragma once
// GraphML: the XML of yEd, Gephi, Cytoscape, NetworkX and igraph, both ways;
// one document holds several graphs, one <graph> element each.
//
// open_graphml and close_graphml write the document around the graphs: the
// XML declaration, the <graphml> element and its keys (a graph's name, and
// each node's number as its label, so that other programs show it). They
// cannot fail.
//
// A graph's own element is written, and a document read, by an XML parser
// (graphml/graphml_xml.hpp) that the formats reach only through the two
// functions the program installs when it starts, so that the core links no
// XML library and every command that needs none starts without it.
// install_graphml sets the writer and the reader (null: none).
// append_graphml appends one graph's <graph> element; read_graphml gives a
// whole document's graphs in file order. Each refuses, `out` and `graphs`
// unchanged, when none is installed or the parser cannot be had, and
// read_graphml when the document is refused.
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/ugraph.hpp"
#include "interchange/document_graph.hpp"

namespace ugraph {

// The keys open_graphml declares, which the writer's <data> elements name.
inline constexpr const char* GRAPHML_NAME_KEY = "name";
inline constexpr const char* GRAPHML_LABEL_KEY = "label";

using GraphmlWriter = Result<> (*)(const UGraph& graph, std::string& out);
using GraphmlReader = Result<> (*)(std::string_view text, std::vector<DocumentGraph>& graphs);

void install_graphml(GraphmlWriter writer, GraphmlReader reader);

void open_graphml(std::string& out);
Result<> append_graphml(const UGraph& graph, std::string& out);
void close_graphml(std::string& out);

Result<> read_graphml(std::string_view text, std::vector<DocumentGraph>& graphs);

}  // namespace ugraph
