#pragma once
// review_graph: the part of a session between having a graph and saving it.
//
// Prints the summary line, then shows the report and asks "Change data?";
// Y or y opens the neighbour editor, and the changed graph is normalised
// and reported again, until any other answer (end of input among them)
// moves on. The dialogue, `edit` and `add` all go through it, so that their
// texts are one.
#include "console/console.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

void review_graph(Console& console, UGraph& graph);

}  // namespace ugraph
