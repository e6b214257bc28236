#include "graph/link_set.hpp"

#include <algorithm>

#include "graph/arc_list.hpp"

namespace ugraph {

void LinkSet::clear() {
    std::fill(rows_.begin(), rows_.begin() + highest_node_ + 1, 0);
    highest_node_ = 0;
    links_ = 0;
    loops_ = 0;
}

void LinkSet::write_arcs(UGraph& graph) const {
    // Reading the rows in node order and each row's bits upward gives the
    // arcs ascending by first and then second end, each once, without a sort.
    ArcListWriter arcs(graph);
    for (int a = 1; a <= highest_node_; ++a) {
        for (std::uint64_t row = rows_[a]; row != 0; row &= row - 1) {
            arcs.append(a, std::countr_zero(row));
        }
    }
    arcs.close();
}

std::string too_many_vertices(long long vertices) {
    return "it has " + std::to_string(vertices) + " vertices; a Ugraph holds at most " +
           std::to_string(MAX_NODES);
}

std::string too_many_links(int links) {
    return "it has " + std::to_string(links) + " links; a Ugraph holds at most " +
           std::to_string(MAX_LINKS);
}

Result<> within_link_limit(const LinkSet& links) {
    if (links.links_without_loops() > MAX_LINKS) {
        return refused(too_many_links(links.links_without_loops()));
    }
    return Done{};
}

}  // namespace ugraph
