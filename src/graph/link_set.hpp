#pragma once
// LinkSet: the links of one graph as one 64-bit row per node, as nauty holds
// a graph: bit b of row a is set when a and b are linked, in both rows. It is
// the one way ugraph builds a graph and reads one: the formats, the
// importers, the data-input reader and the editor's pass check work on it,
// and UGraph, the graph that is stored and passed, is made from it and into
// it here alone. Every count is computed from the rows, never kept beside
// them.
//
//   of(graph)      the links of a canonical UGraph's arcs; write_arcs(graph)
//                  gives the graph the
//                  links in canonical form: both ways, ascending, each once,
//                  a self-loop as one arc; the node count is not touched.
//   add, contains  a link between two nodes of 1..MAX_NODES, in either
//                  order; adding a link twice changes nothing. link_below
//                  adds a node's links to a row of lower nodes at once;
//                  add_within leaves extent() to a later enclose().
//   row(node)      the node's row: bit b set for each neighbour b.
//   links, loops, links_without_loops, arc_count, highest_node, first_loop:
//                  counted from the rows; extent() bounds highest_node()
//                  from above without a count.
//   for_each_link  each link once as (a, b) with a <= b, ascending.
//
// too_many_links and too_many_vertices are the words for a graph that a
// Ugraph cannot hold, the same whatever it came from: "it has 1225 links; a
// Ugraph holds at most 624"; within_link_limit is the one check of that limit.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "common/bit_count.hpp"
#include "common/result.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

class LinkSet {
public:
    static LinkSet of(const UGraph& graph);
    void write_arcs(UGraph& graph) const;

    void add(int a, int b) {
        rows_[a] |= bit(b);
        rows_[b] |= bit(a);
        extent_ = std::max(extent_, std::max(a, b));
    }
    // Links `node` to every node of `lower`, a row of nodes below it.
    void link_below(int node, std::uint64_t lower) {
        if (lower == 0) {
            return;
        }
        rows_[node] |= lower;
        for (; lower != 0; lower &= lower - 1) {
            rows_[std::countr_zero(lower)] |= bit(node);
        }
        extent_ = std::max(extent_, node);
    }
    // add() for a reader that keeps the highest node it names itself, in a
    // register, and hands it to enclose() once all are in: until then
    // extent() may be too low, for the counts and for clear() alike.
    void add_within(int a, int b) {
        rows_[a] |= bit(b);
        rows_[b] |= bit(a);
    }
    void enclose(int highest) { extent_ = std::max(extent_, highest); }
    bool contains(int a, int b) const { return (rows_[a] & bit(b)) != 0; }
    std::uint64_t row(int node) const { return rows_[node]; }
    bool has_links(int node) const { return rows_[node] != 0; }
    void clear() {
        std::fill(rows_.begin(), rows_.begin() + extent_ + 1, 0);
        extent_ = 0;
    }

    // How many arcs the canonical form of these links has.
    int arc_count() const {
        int arcs = 0;
        for (int node = 1; node <= extent_; ++node) {
            arcs += bit_count(rows_[node]);
        }
        return arcs;
    }
    int loops() const {
        int loops = 0;
        for (int node = 1; node <= extent_; ++node) {
            loops += contains(node, node) ? 1 : 0;
        }
        return loops;
    }
    // The lowest node with a self-loop, or 0.
    int first_loop() const {
        for (int node = 1; node <= extent_; ++node) {
            if (contains(node, node)) {
                return node;
            }
        }
        return 0;
    }
    // Links between two different nodes: the ones MAX_LINKS counts.
    int links_without_loops() const { return (arc_count() - loops()) / 2; }
    int links() const { return links_without_loops() + loops(); }
    // No node above it has a link: an upper bound of highest_node().
    int extent() const { return extent_; }
    int highest_node() const {
        int node = extent_;
        while (node > 0 && rows_[node] == 0) {
            --node;
        }
        return node;
    }

    template <typename Visit>
    void for_each_link(Visit&& visit) const {
        for (int a = 1; a <= extent_; ++a) {
            // The bits from a upward: each link once, under its lower end.
            for (std::uint64_t row = rows_[a] & ~(bit(a) - 1); row != 0; row &= row - 1) {
                visit(a, std::countr_zero(row));
            }
        }
    }

private:
    static_assert(MAX_NODES < 64);
    static constexpr int ROW_MASK = 63;
    static std::uint64_t bit(int node) { return std::uint64_t{1} << node; }

    // Rows up to 63, so that any node number masked to six bits has one.
    std::array<std::uint64_t, ROW_MASK + 1> rows_{};
    // No node above it has a link: the rows that clear() and the counts
    // need to look at.
    int extent_ = 0;
};

std::string too_many_vertices(long long vertices);
std::string too_many_links(int links);
// Refused with too_many_links when the links without self-loops pass MAX_LINKS.
Result<> within_link_limit(const LinkSet& links);
inline constexpr const char* NO_VERTICES = "it has no vertices";

}  // namespace ugraph
