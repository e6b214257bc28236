#pragma once
// chromatic_number: the fewest colours of a DenseGraph's vertices with no
// link inside one colour, exact, by a DSATUR branch and bound over bitsets:
// a largest clique coloured first (its size is the lower bound, and fixing
// it breaks the colours' symmetry), then always the vertex that sees the
// most colours, each colour tried that could still beat the best colouring.
//
// `budget` bounds the search nodes visited; when it runs out before the
// search is complete the answer is nothing, never a guess. 0 for no
// vertices.
#include <cstdint>
#include <optional>

#include "invariants/dense_graph.hpp"

namespace ugraph {

inline constexpr std::int64_t CHROMATIC_BUDGET = 10'000'000;

std::optional<int> chromatic_number(const DenseGraph& graph,
                                    std::int64_t budget = CHROMATIC_BUDGET);

}  // namespace ugraph
