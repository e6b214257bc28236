#pragma once
// Edge list: one link per line, "a b", as NetworkX (read_edgelist with
// nodetype=int) and igraph read it. An isolated node cannot be written.
//
// append_edge_list writes the links ascending, a self-loop as "a a", each
// node as its label from `base` (node i is label i - 1 + base); a graph
// without links writes nothing. read_edge_list_line reads one
// line of a list into `links`: blank (or only a comment), or a link from its
// first two labels, whatever follows them being ignored (NetworkX writes
// "1 2 {}" by default). It refuses a line with a single label or a label
// read_label refuses. `cut` says the line was longer than the reader keeps;
// it is refused unless both labels stand whole in what was kept.
#include <string>
#include <string_view>

#include "graph/link_set.hpp"
#include "graph/ugraph.hpp"
#include "interchange/list_text.hpp"

namespace ugraph {

void append_edge_list(const UGraph& graph, std::string& out, int base = 1);

ListLine read_edge_list_line(std::string_view line, bool cut, int base, LinkSet& links,
                             Refusal& refusal);

}  // namespace ugraph
