#include "graph/link_set.hpp"

#include <algorithm>

#include "graph/arc_list.hpp"

namespace ugraph {

LinkSet LinkSet::of(const UGraph& graph) {
    // Every link of a canonical graph stands both ways, so each arc need only
    // set the bit of its second end in the row of its first, and the last arc
    // starts at the highest linked node. The masks keep an arc of a graph
    // that is not canonical inside the rows: it may give a wrong link, never
    // a write out of bounds.
    LinkSet links;
    const std::span<const std::int32_t> starts = graph.arc_starts();
    const std::span<const std::int32_t> ends = graph.arc_ends();
    for (std::size_t k = 0; k < starts.size(); ++k) {
        links.rows_[starts[k] & ROW_MASK] |= bit(ends[k] & ROW_MASK);
    }
    links.extent_ = starts.empty() ? 0 : starts.back() & ROW_MASK;
    return links;
}

void LinkSet::write_arcs(UGraph& graph) const {
    // Reading the rows in node order and each row's bits upward gives the
    // arcs ascending by first and then second end, each once, without a sort.
    ArcListWriter arcs(graph);
    for (int a = 1; a <= extent_; ++a) {
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
    // Nodes 1..35 hold at most 595 links between two of them: most graphs
    // need no count at all.
    const int span = links.extent();
    if (span * (span - 1) / 2 <= MAX_LINKS) {
        return Done{};
    }
    const int links_without_loops = links.links_without_loops();
    if (links_without_loops > MAX_LINKS) {
        return refused(too_many_links(links_without_loops));
    }
    return Done{};
}

}  // namespace ugraph
