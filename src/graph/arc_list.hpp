#pragma once
// The writing and walking of a graph's arc list, kept in one place.
//
//   ArcListWriter      appends arcs from slot 1 on; close() writes the count
//                      in slot 0 and the closing 0 behind the last arc (the
//                      node count is not touched): the loose lists of
//                      keyboard entry and the editor, and LinkSet's
//                      canonical arcs.
//   for_each_loose_arc reads a list as built, up to its closing 0 and at most
//                      MAX_NORMALIZE_ARCS arcs: what normalize_arcs takes.
//   for_each_node_run  walks a canonical graph node by node: node i's arcs
//                      are one run of consecutive slots, its neighbours
//                      ascending.
//   vertex_count       the nodes a canonical graph spans: its node count, or
//                      its highest linked node where a link goes above it.
#include <algorithm>
#include <cstdint>
#include <span>

#include "graph/ugraph.hpp"

namespace ugraph {

class ArcListWriter {
public:
    explicit ArcListWriter(UGraph& graph) : arc_from_(graph.arc_from), arc_to_(graph.arc_to) {}

    // Callers keep within their own limits; the arrays hold ARC_SLOTS - 2 arcs.
    void append(std::int32_t from, std::int32_t to) {
        ++count_;
        arc_from_[count_] = from;
        arc_to_[count_] = to;
    }
    std::int32_t count() const { return static_cast<std::int32_t>(count_); }
    void close() {
        arc_from_[0] = count();
        arc_from_[count_ + 1] = 0;
        arc_to_[count_ + 1] = 0;
    }

private:
    ArcArray& arc_from_;
    ArcArray& arc_to_;
    // Not a 32-bit number, so that the compiler knows that writing an arc
    // cannot change it, and keeps it at hand.
    std::size_t count_ = 0;
};

template <typename Visit>
void for_each_loose_arc(const UGraph& graph, Visit&& visit) {
    for (int k = 1; k <= MAX_NORMALIZE_ARCS && graph.arc_from[k] != 0; ++k) {
        visit(graph.arc_from[k], graph.arc_to[k]);
    }
}

// Calls visit(i, neighbours) for every node i from 1 to n, in ascending
// order, with the arc ends of i's run (empty for a node without arcs). A run
// is the consecutive arcs from where the previous one ended whose first end
// is i. Runs of nodes above n are not visited.
template <typename Visit>
void for_each_node_run(const UGraph& graph, int n, Visit&& visit) {
    const std::span<const std::int32_t> starts = graph.arc_starts();
    const std::span<const std::int32_t> ends = graph.arc_ends();
    std::size_t cursor = 0;
    for (int i = 1; i <= n; ++i) {
        const std::size_t start = cursor;
        while (cursor < starts.size() && starts[cursor] == i) {
            ++cursor;
        }
        visit(i, ends.subspan(start, cursor - start));
    }
}

// The arcs ascend by first end, and every link stands both ways, so the last
// arc starts at the highest linked node.
inline int vertex_count(const UGraph& graph) {
    const std::span<const std::int32_t> starts = graph.arc_starts();
    const int highest = starts.empty() ? 0 : starts.back();
    return std::clamp(std::max(graph.node_count(), highest), 0, MAX_NODES);
}

}  // namespace ugraph
