#include "graph/normalize_arcs.hpp"

#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"

namespace ugraph {
namespace {

bool is_node(std::int32_t v) { return v >= 1 && v <= MAX_NODES; }

}  // namespace

void normalize_arcs(UGraph& graph) {
    LinkSet links;
    for_each_loose_arc(graph, [&](std::int32_t a, std::int32_t b) {
        if (is_node(a) && is_node(b)) {
            links.add(a, b);
        }
    });
    // The input has been read whole, so the arcs may go over it.
    links.write_arcs(graph);
}

}  // namespace ugraph
