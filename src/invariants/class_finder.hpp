#pragma once
// ClassFinder: the isomorphism classes of graphs taken one by one, each
// class numbered from 0 in the order of its first member.
//
// place() gives a graph's class, opening a new one when it is isomorphic
// to none so far (given as its rows and its fingerprint, computed
// elsewhere, or whole); look_up() gives the class of a graph without opening any
// (nothing when it is new). Graphs are told apart first by a cheap
// fingerprint (the node and link counts and a few rounds of colour
// refinement from the degrees, hashed); graphs whose fingerprints meet, by
// a finer print that also counts the triangles at each vertex, while it
// pays; only graphs whose finer prints meet too (or that meet mostly as
// copies), by nauty's canonical form, computed once per class.
//
// fingerprint() is that hash, of a graph or of its rows alone (vertex v's
// row is rows[v], one per vertex); isomorphic graphs always share it.
// pack_triangle() appends a graph's links above the diagonal to `words`,
// bit after bit, (n - 1) n / 2 bits in triangle_words(n) words: two graphs
// of the same node count have the same links exactly when their words are
// equal. unpack_triangle() gives the graph back.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "invariants/chunked_vector.hpp"
#include "invariants/dense_graph.hpp"

namespace ugraph {

class ClassFinder {
public:
    int place(const DenseGraph& graph);
    int place(std::span<const VertexSet> rows, std::uint64_t print);
    std::optional<int> look_up(const DenseGraph& graph);
    int classes() const { return static_cast<int>(firsts_.size()); }

private:
    // A class's first member, packed in one shared pool (a graph of 9 nodes
    // keeps one word): its own links until another graph meets its finer
    // print, then its canonical form's in their place.
    struct First {
        std::uint64_t words_at = 0;
        std::uint64_t fingerprint = 0;
        std::uint64_t finer = 0;    // once another graph met its fingerprint
        int same_fingerprint = -1;  // the next class of the same fingerprint
        std::int16_t n = 0;
        bool canonical = false;
        bool finer_known = false;
    };
    // A graph whose fingerprint met a class already, and what is known of
    // it so far: its canonical form is labelled only when a finer print
    // meets its own.
    struct Newcomer {
        std::span<const VertexSet> rows;
        std::optional<std::uint64_t> finer;  // nothing: not worth computing
        std::optional<DenseGraph> form;
    };
    void open_class(std::span<const VertexSet> rows, std::uint64_t print, int same_fingerprint);
    std::span<const std::uint64_t> canonical_of(int class_index);
    std::uint64_t finer_of(int class_index);
    std::optional<int> among(int head, Newcomer& newcomer);
    // The finer print pays while it spares a canonical form often enough:
    // it costs a few hundred instructions to nauty's thousands, but graphs
    // that meet as copies of one another need both. Its record is kept over
    // the last few hundred graphs that met a class; while it is not paying
    // it is still tried on every 16th, so that the record can turn.
    bool finer_pays();
    void count_finer(bool parted);
    long met_ = 0;
    int finer_tried_ = 0;
    int finer_parted_ = 0;

    ChunkedVector<First> firsts_;
    std::vector<std::uint64_t> words_;
    std::vector<std::uint64_t> scratch_;
    // Each fingerprint's newest class, heading the chain of the others: an
    // open-addressed table (linear probing, at most three quarters full), as
    // a node per fingerprint would cost an allocation and a cache miss per
    // graph. A slot keeps the fingerprint's low half, which picks its slot
    // (so that growing the table reads nothing else) and passes over the
    // others' slots; the head class keeps the whole of it.
    struct Slot {
        std::uint32_t tag = 0;
        int head = -1;  // -1: empty
    };
    int* head_of(std::uint64_t fingerprint, bool add);
    std::vector<Slot> slots_;
    std::size_t used_slots_ = 0;
};

std::uint64_t fingerprint(std::span<const VertexSet> rows);
inline std::uint64_t fingerprint(const DenseGraph& graph) {
    return fingerprint({graph.rows.data(), static_cast<std::size_t>(graph.n)});
}

inline std::size_t triangle_words(int n) {
    return (static_cast<std::size_t>(n) * static_cast<std::size_t>(n > 0 ? n - 1 : 0) / 2 + 63) /
           64;
}
void pack_triangle(std::span<const VertexSet> rows, std::vector<std::uint64_t>& words);
inline void pack_triangle(const DenseGraph& graph, std::vector<std::uint64_t>& words) {
    pack_triangle({graph.rows.data(), static_cast<std::size_t>(graph.n)}, words);
}
DenseGraph unpack_triangle(std::span<const std::uint64_t> words, int n);

}  // namespace ugraph
