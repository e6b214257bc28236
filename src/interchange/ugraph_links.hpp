#pragma once
// Between a UGraph and the LinkGraph the interchange formats work on.
//
//   links_of        the links of a canonical graph, each once, self-loops
//                   included; vertices is the node count, or the highest
//                   node of a link when a link goes above it.
//   ugraph_of_links the canonical graph of the links under a name, with the
//                   vertices as its node count; the self-loops are left
//                   out, since the data file's written form cannot hold
//                   them, and their number is given back.
#include <string_view>

#include "graph/ugraph.hpp"
#include "interchange/link_graph.hpp"

namespace ugraph {

void links_of(const UGraph& graph, LinkGraph& links);

int ugraph_of_links(const LinkGraph& links, std::string_view name, UGraph& graph);

}  // namespace ugraph
