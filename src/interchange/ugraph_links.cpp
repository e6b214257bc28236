#include "interchange/ugraph_links.hpp"

#include <algorithm>

#include "graph/arc_list.hpp"
#include "graph/normalize_arcs.hpp"

namespace ugraph {

void links_of(const UGraph& graph, LinkGraph& links) {
    links.links.clear();
    links.vertices = std::max(graph.arc_to[0], 0);
    // Canonical arcs ascend by first end and then second, so the arcs with
    // their lower end first come out in the order a LinkGraph keeps.
    for (std::int32_t k = 1; k <= graph.arc_from[0]; ++k) {
        const std::int32_t a = graph.arc_from[k];
        const std::int32_t b = graph.arc_to[k];
        if (a <= b) {
            links.links.emplace_back(a, b);
            links.vertices = std::max(links.vertices, b);
        }
    }
}

int ugraph_of_links(const LinkGraph& links, std::string_view name, UGraph& graph) {
    set_name(graph.name, name);
    ArcListWriter arcs(graph.arc_from, graph.arc_to);
    int loops = 0;
    for (const auto& [a, b] : links.links) {
        if (a == b) {
            ++loops;
            continue;
        }
        arcs.append(a, b);
    }
    arcs.close();
    graph.arc_to[0] = links.vertices;
    normalize_arcs(graph.arc_from, graph.arc_to);
    return loops;
}

}  // namespace ugraph
