#pragma once
// LinkSet: the links of one graph as a table of bits, the single way ugraph
// gathers links, whatever they come from: the arcs normalize_arcs packs, the
// lines typed at the keyboard or in the editor, an imported graph.
//
// add() takes a link between two nodes of 1..MAX_NODES, in either order; a
// repeat changes nothing. write_arcs() gives the graph the links in
// canonical form: both ways, ascending, each once, a self-loop as one arc.
// for_each_link() visits each link once as (a, b) with a <= b, ascending.
// clear() touches only the rows that were used, so one set serves many
// graphs.
//
// too_many_links and too_many_vertices are the words for a graph that a
// Ugraph cannot hold, the same whatever it came from: "it has 1225 links; a
// Ugraph holds at most 624".
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "common/result.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

class LinkSet {
public:
    // Gives true when the link was not there yet.
    bool add(int a, int b) {
        if (contains(a, b)) {
            return false;
        }
        rows_[a] |= bit(b);
        rows_[b] |= bit(a);
        ++links_;
        loops_ += a == b ? 1 : 0;
        highest_node_ = std::max({highest_node_, a, b});
        return true;
    }
    bool contains(int a, int b) const { return (rows_[a] & bit(b)) != 0; }
    bool has_links(int node) const { return rows_[node] != 0; }
    int links() const { return links_; }
    // Links between two different nodes: the ones MAX_LINKS counts.
    int links_without_loops() const { return links_ - loops_; }
    // How many arcs the canonical form of these links has.
    int arc_count() const { return 2 * links_without_loops() + loops_; }
    int highest_node() const { return highest_node_; }
    void clear();
    void write_arcs(UGraph& graph) const;

    template <typename Visit>
    void for_each_link(Visit&& visit) const {
        for (int a = 1; a <= highest_node_; ++a) {
            // The bits from a upward: each link once, under its lower end.
            for (std::uint64_t row = rows_[a] & ~(bit(a) - 1); row != 0; row &= row - 1) {
                visit(a, std::countr_zero(row));
            }
        }
    }

private:
    static_assert(MAX_NODES < 64);
    static std::uint64_t bit(int node) { return std::uint64_t{1} << node; }

    // Bit b of rows_[a] is set when a and b are linked, in both rows.
    std::array<std::uint64_t, MAX_NODES + 1> rows_{};
    int highest_node_ = 0;
    int links_ = 0;
    int loops_ = 0;
};

std::string too_many_vertices(long long vertices);
std::string too_many_links(int links);
// Refused with too_many_links when the links without self-loops pass MAX_LINKS.
Result<> within_link_limit(const LinkSet& links);
inline constexpr const char* NO_VERTICES = "it has no vertices";

}  // namespace ugraph
