#pragma once
// DenseGraph: one graph of at most 64 vertices as one 64-bit row per vertex,
// vertices 0 to n - 1, without self-loops: the shape every invariant here
// works on.
//
// dense_graph_of takes a LinkSet's links on nodes 1..nodes (node k becomes
// vertex k - 1) and leaves its self-loops out; loops() tells how many there
// were. complement() gives the graph of the missing links. bit() and
// all_vertices() are the masks the algorithms build on.
#include <array>
#include <bit>
#include <cstdint>

#include "common/bit_count.hpp"
#include "graph/link_set.hpp"

namespace ugraph {

using VertexSet = std::uint64_t;

inline constexpr VertexSet bit(int vertex) { return VertexSet{1} << vertex; }
inline constexpr VertexSet all_vertices(int n) { return n >= 64 ? ~VertexSet{0} : bit(n) - 1; }
inline int count(VertexSet set) { return bit_count(set); }
inline int lowest(VertexSet set) { return std::countr_zero(set); }

struct DenseGraph {
    int n = 0;
    std::array<VertexSet, 64> rows{};

    int degree(int v) const { return count(rows[v]); }
    int links() const;
    void link(int a, int b) {
        rows[a] |= bit(b);
        rows[b] |= bit(a);
    }
    DenseGraph complement() const;
};

DenseGraph dense_graph_of(const LinkSet& links, int nodes);
int loops_of(const LinkSet& links);

}  // namespace ugraph
