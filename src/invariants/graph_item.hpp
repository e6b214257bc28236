#pragma once
// GraphItem: one graph as the commands hand it to the invariants engine:
// its number (the data-input's, or its position in an input from 1), its
// name, its node count and its links on nodes 1..nodes.
//
// A GraphFeed calls its EachGraph for every graph in order, and stops when
// it gives false (the output failed, or the run has what it needs).
#include <functional>
#include <string_view>

#include "graph/link_set.hpp"

namespace ugraph {

struct GraphItem {
    long number = 0;
    std::string_view name;
    int nodes = 0;
    const LinkSet& links;
};

using EachGraph = std::function<bool(const GraphItem&)>;
using GraphFeed = std::function<void(const EachGraph&)>;

}  // namespace ugraph
