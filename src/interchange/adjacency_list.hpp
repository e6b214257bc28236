#pragma once
// Adjacency list, as NetworkX writes and reads it (write_adjlist,
// read_adjlist with nodetype=int): one line per node, the node first and
// then the neighbours that link to it.
//
// append_adjacency_list writes a line for every node 1..vertices: the node,
// then each neighbour above it (itself first for a self-loop), so each link
// stands once; an isolated node stands alone. Each node is written as its
// label from `base` (node i is label i - 1 + base). read_adjacency_list_line
// reads one line into `links` and marks in `heads` the node that opens it
// (its neighbours are in `links`): a node alone is an isolated node, a blank or
// comment line is skipped, and a neighbour may repeat a link given before.
// It refuses a line with a label read_label refuses, or one that was cut
// (longer than the reader keeps).
#include <string>
#include <string_view>

#include "graph/link_set.hpp"
#include "graph/ugraph.hpp"
#include "interchange/list_text.hpp"

namespace ugraph {

void append_adjacency_list(const UGraph& graph, std::string& out, int base = 1);

ListLine read_adjacency_list_line(std::string_view line, bool cut, int base, LinkSet& links,
                                  NodeMarks& heads, Refusal& refusal);

}  // namespace ugraph
