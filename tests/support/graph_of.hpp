#pragma once
// graph_of: a canonical graph built from a list of links, the way the unit
// tests, the fuzz targets and the benchmarks make the graphs they work on.
#include <string_view>
#include <utility>
#include <vector>

#include "graph/arc_list.hpp"
#include "graph/normalize_arcs.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

using Links = std::vector<std::pair<int, int>>;

// Each link (a, b) in the list is held both ways once normalised; a link
// given twice, or both ways, is held once; (a, a) is a self-loop.
inline UGraph graph_of(int nodes, std::string_view name, const Links& links) {
    UGraph graph;
    set_name(graph.name, name);
    ArcListWriter arcs(graph);
    for (const auto& [a, b] : links) {
        arcs.append(a, b);
    }
    arcs.close();
    graph.set_node_count(nodes);
    normalize_arcs(graph);
    return graph;
}

}  // namespace ugraph
