#pragma once
// The layout of an arc list, kept in one place: the arcs stand in slots 1 to
// count of arc_from and arc_to, arc_from[0] holds the count and a 0 follows
// the last arc in both arrays (arc_to[0], the node count, is not touched).
//
//   ArcListWriter      appends arcs from slot 1 on; close() writes the count
//                      and the closing 0.
//   for_each_node_run  walks a canonical list node by node: node i's arcs are
//                      one run of consecutive slots, its neighbours ascending.
#include <cstdint>
#include <span>

#include "graph/ugraph.hpp"

namespace ugraph {

class ArcListWriter {
public:
    ArcListWriter(ArcArray& arc_from, ArcArray& arc_to) : arc_from_(arc_from), arc_to_(arc_to) {}

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

// Calls visit(i, neighbours) for every node i from 1 to n, in ascending
// order, with the arc_to values of i's run (empty for a node without arcs).
// A run is the consecutive slots from where the previous one ended whose
// arc_from is i; the closing 0 ends the last one. Runs of nodes above n are
// not visited.
template <typename Visit>
void for_each_node_run(const ArcArray& arc_from, const ArcArray& arc_to, int n, Visit&& visit) {
    int cursor = 1;
    for (int i = 1; i <= n; ++i) {
        const int start = cursor;
        while (cursor < ARC_SLOTS && arc_from[cursor] == i) {
            ++cursor;
        }
        visit(i, std::span<const std::int32_t>(arc_to.data() + start,
                                               static_cast<std::size_t>(cursor - start)));
    }
}

}  // namespace ugraph
