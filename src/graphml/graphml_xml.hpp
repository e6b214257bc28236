#pragma once
// GraphML through pugixml, a real XML parser: the code behind the formats'
// GraphML seam (interchange/graphml.hpp), built into the graphml module so
// that only the commands that read or write GraphML load the parser.
//
// write_graphml_xml appends one undirected <graph> element: its name, nodes
// 1..n (isolated ones too, each labelled with its number) and each link once,
// every name escaped as XML wants it. It never refuses.
//
// read_graphml_xml takes a whole document and gives its <graph> elements in
// file order. Node identifiers (any text) are numbered 1..n in file order, a
// node that only an edge names included; a directed graph's arcs and
// repeated edges become one link each, with a note; a graph with
// hyperedges, more than MAX_NODES nodes or MAX_LINKS links, or none, is
// refused alone. The document is refused when it is not well-formed XML or
// holds no <graphml> element with a <graph>.
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/ugraph.hpp"
#include "interchange/document_graph.hpp"

namespace ugraph {

Result<> write_graphml_xml(const UGraph& graph, std::string& out);

Result<> read_graphml_xml(std::string_view text, std::vector<DocumentGraph>& graphs);

}  // namespace ugraph
