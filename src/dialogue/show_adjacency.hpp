#pragma once
// show_adjacency: prints the report of the graph (see report.hpp), as the
// dialogue does after the summary line and after every pass of corrections.
#include "console/console.hpp"
#include "graph/report.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

inline void show_adjacency(Console& console, const UGraph& graph) {
    console.print(adjacency_report(graph));
}

}  // namespace ugraph
