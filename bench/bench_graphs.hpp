#pragma once
// The graphs the benchmarks measure, drawn with a fixed seed so that every
// run, and both sorts of one run, see the same lists.
#include <random>
#include <string_view>

#include "graph/normalize_arcs.hpp"
#include "graph/ugraph.hpp"

namespace ugraph::bench {

inline constexpr unsigned SEED = 1249;

// A loose list of `count` arcs between two different nodes drawn from 1 to
// MAX_NODES, as keyboard entry or the loader hand one over: either
// direction, in any order, repeats included.
inline UGraph random_arc_list(int count) {
    std::mt19937 draw(SEED);
    std::uniform_int_distribution<std::int32_t> node(1, MAX_NODES);
    UGraph graph;
    for (int k = 1; k <= count; ++k) {
        graph.arc_from[k] = node(draw);
        do {
            graph.arc_to[k] = node(draw);
        } while (graph.arc_to[k] == graph.arc_from[k]);
    }
    graph.arc_from[0] = count;
    graph.arc_to[0] = MAX_NODES;
    graph.arc_from[count + 1] = graph.arc_to[count + 1] = 0;
    return graph;
}

// A canonical graph of `links` different random links on nodes 1 to `nodes`;
// the link 1-`nodes` is always among them, so the node count is `nodes`.
inline UGraph random_graph(int nodes, int links, std::string_view name) {
    std::mt19937 draw(SEED);
    std::uniform_int_distribution<std::int32_t> node(1, nodes);
    bool linked[MAX_NODES + 1][MAX_NODES + 1] = {};
    UGraph graph;
    set_name(graph.name, name);
    graph.arc_from[1] = 1;
    graph.arc_to[1] = nodes;
    linked[1][nodes] = true;
    for (int count = 1; count < links;) {
        const std::int32_t a = node(draw);
        const std::int32_t b = node(draw);
        if (a < b && !linked[a][b]) {
            linked[a][b] = true;
            ++count;
            graph.arc_from[count] = a;
            graph.arc_to[count] = b;
        }
    }
    graph.arc_from[0] = links;
    graph.arc_to[0] = nodes;
    graph.arc_from[links + 1] = graph.arc_to[links + 1] = 0;
    normalize_arcs(graph.arc_from, graph.arc_to);
    return graph;
}

// The largest graph a data-input can hold: 50 nodes, 624 links.
inline UGraph largest_graph() { return random_graph(MAX_NODES, MAX_LINKS, "Largest"); }

// The smallest graph that loads: one link between nodes 1 and 2.
inline UGraph smallest_graph() { return random_graph(2, 1, "Smallest"); }

}  // namespace ugraph::bench
