#pragma once
// LinkSet: the links of a graph being read, and the limits they must keep.
//
// add() takes a link between nodes 1..MAX_NODES in either order; a repeat
// changes nothing, so inputs that list a link twice (an adjacency list
// written both ways, a sparse6 multigraph) give it once. copy_to() gives the
// links ascending, as a LinkGraph holds them. clear() makes it empty again,
// touching only the rows that were used, so one set serves many graphs.
//
// The refusal texts are shared by every reader, so that a graph too big for
// a Ugraph is named the same way whatever format it came in.
#include <array>
#include <cstdint>
#include <string>

#include "graph/ugraph.hpp"
#include "interchange/link_graph.hpp"

namespace ugraph {

class LinkSet {
public:
    void clear();
    void add(int a, int b) {
        const int low = a < b ? a : b;
        const int high = a < b ? b : a;
        const std::uint64_t bit = std::uint64_t{1} << high;
        if ((above_[low] & bit) != 0) {
            return;
        }
        above_[low] |= bit;
        ++links_;
        links_without_loops_ += low != high ? 1 : 0;
        highest_node_ = high > highest_node_ ? high : highest_node_;
    }
    // Links between two different nodes: self-loops do not count toward
    // MAX_LINKS, since the Ugraph keeps them outside that budget.
    int links_without_loops() const { return links_without_loops_; }
    int highest_node() const { return highest_node_; }
    void copy_to(LinkGraph& graph) const;
    // Gives the links to a graph of that many vertices, or refuses them when
    // they are more than a Ugraph holds.
    bool give_to(LinkGraph& graph, int vertices, std::string& reason) const;

private:
    // Bit b of above_[a] is the link (a, b), b >= a.
    std::array<std::uint64_t, MAX_NODES + 1> above_{};
    int highest_node_ = 0;
    int links_ = 0;
    int links_without_loops_ = 0;
};

std::string too_many_vertices(long long vertices);
std::string too_many_links(int links);
inline constexpr const char* NO_VERTICES = "it has no vertices";

}  // namespace ugraph
