#pragma once
// The graphs the benchmarks measure, drawn with a fixed seed so that every
// run, and both sorts of one run, see the same lists.
#include <random>
#include <string_view>

#include "graph/arc_list.hpp"
#include "graph/ugraph.hpp"
#include "support/graph_of.hpp"

namespace ugraph::bench {

inline constexpr unsigned SEED = 1249;

// A loose list of `count` arcs between two different nodes drawn from 1 to
// MAX_NODES, as keyboard entry or the loader hand one over: either
// direction, in any order, repeats included.
inline UGraph random_arc_list(int count) {
    std::mt19937 draw(SEED);
    std::uniform_int_distribution<std::int32_t> node(1, MAX_NODES);
    UGraph graph;
    ArcListWriter arcs(graph);
    for (int k = 1; k <= count; ++k) {
        const std::int32_t from = node(draw);
        std::int32_t to = node(draw);
        while (to == from) {
            to = node(draw);
        }
        arcs.append(from, to);
    }
    arcs.close();
    graph.set_node_count(MAX_NODES);
    return graph;
}

// A canonical graph of `links` different random links on nodes 1 to `nodes`;
// the link 1-`nodes` is always among them, so the node count is `nodes`.
inline UGraph random_graph(int nodes, int links, std::string_view name) {
    std::mt19937 draw(SEED);
    std::uniform_int_distribution<std::int32_t> node(1, nodes);
    bool linked[MAX_NODES + 1][MAX_NODES + 1] = {};
    Links drawn = {{1, nodes}};
    linked[1][nodes] = true;
    while (static_cast<int>(drawn.size()) < links) {
        const std::int32_t a = node(draw);
        const std::int32_t b = node(draw);
        if (a < b && !linked[a][b]) {
            linked[a][b] = true;
            drawn.emplace_back(a, b);
        }
    }
    return graph_of(nodes, name, drawn);
}

// The largest graph a data-input can hold: 50 nodes, 624 links.
inline UGraph largest_graph() { return random_graph(MAX_NODES, MAX_LINKS, "Largest"); }

// The smallest graph that loads: one link between nodes 1 and 2.
inline UGraph smallest_graph() { return random_graph(2, 1, "Smallest"); }

}  // namespace ugraph::bench
