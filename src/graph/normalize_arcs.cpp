#include "graph/normalize_arcs.hpp"

#include <algorithm>
#include <array>

#include "graph/arc_list.hpp"

namespace ugraph {
namespace {

bool is_node(std::int32_t v) { return v >= 1 && v <= MAX_NODES; }

}  // namespace

void normalize_arcs(ArcArray& arc_from, ArcArray& arc_to) {
    // A pair key a * PAIR_BASE + b orders exactly as the arc (a, b) does, so
    // one sort of the keys of every arc and its reverse gives the canonical
    // order, and equal keys are the repeats to drop.
    // Only the keys packed are ever read, so the table is left unfilled: it is
    // made afresh for every graph of a long import or export.
    std::array<std::int32_t, 2 * static_cast<std::size_t>(MAX_NORMALIZE_ARCS)> pair_table;
    std::size_t keys = 0;
    for (int k = 1; k <= MAX_NORMALIZE_ARCS && arc_from[k] != 0; ++k) {
        if (!is_node(arc_from[k]) || !is_node(arc_to[k])) {
            continue;
        }
        pair_table[keys++] = arc_from[k] * PAIR_BASE + arc_to[k];
        pair_table[keys++] = arc_to[k] * PAIR_BASE + arc_from[k];
    }
    const auto first = pair_table.begin();
    std::sort(first, first + static_cast<std::ptrdiff_t>(keys));
    const auto last = std::unique(first, first + static_cast<std::ptrdiff_t>(keys));

    // The input has been packed whole, so the arcs may go over it.
    ArcListWriter arcs(arc_from, arc_to);
    for (auto key = first; key != last; ++key) {
        arcs.append(*key / PAIR_BASE, *key % PAIR_BASE);
    }
    arcs.close();
}

}  // namespace ugraph
