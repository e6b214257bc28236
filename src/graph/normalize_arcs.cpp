#include "graph/normalize_arcs.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "graph/arc_list.hpp"

namespace ugraph {
namespace {

bool is_node(std::int32_t v) { return v >= 1 && v <= MAX_NODES; }

}  // namespace

void normalize_arcs(ArcArray& arc_from, ArcArray& arc_to) {
    // Nodes run from 1 to MAX_NODES, so the neighbours of a node fit in the
    // bits of one 64-bit row. Marking every arc and its reverse, then reading
    // the rows in node order and each row's bits upward, gives the arcs
    // ascending by first and then second end, each once: the order a sort
    // of the pair keys a * PAIR_BASE + b would give, without the sort.
    static_assert(MAX_NODES < 64);
    std::array<std::uint64_t, MAX_NODES + 1> rows{};
    std::int32_t highest = 0;
    for (int k = 1; k <= MAX_NORMALIZE_ARCS && arc_from[k] != 0; ++k) {
        const std::int32_t a = arc_from[k];
        const std::int32_t b = arc_to[k];
        if (is_node(a) && is_node(b)) {
            rows[a] |= std::uint64_t{1} << b;
            rows[b] |= std::uint64_t{1} << a;
            highest = std::max({highest, a, b});
        }
    }
    // The input has been read whole, so the arcs may go over it.
    ArcListWriter arcs(arc_from, arc_to);
    for (std::int32_t a = 1; a <= highest; ++a) {
        for (std::uint64_t row = rows[a]; row != 0; row &= row - 1) {
            arcs.append(a, std::countr_zero(row));
        }
    }
    arcs.close();
}

}  // namespace ugraph
