#pragma once
// The GraphML module (graphml/ over pugixml), opened only when a command
// reads or writes GraphML, so that every other command starts without the
// XML parser's library.
//   write  one graph's <graph> element (see write_graphml_xml)
//   read   a whole document's graphs (see read_graphml_xml)
//
// install_module_graphml puts the module behind the formats' GraphML seam:
// it is opened the first time the seam is asked, and a module that cannot be
// had is told as the refusal of the graph or the document.
#include "interchange/graphml.hpp"

namespace ugraph {

struct GraphmlModule {
    static constexpr const char* NAME = "graphml";
    GraphmlWriter write;
    GraphmlReader read;
};

void install_module_graphml();

}  // namespace ugraph
