#pragma once
// ClassFinder: the isomorphism classes of graphs taken one by one, each
// class numbered from 0 in the order of its first member.
//
// place() gives a graph's class, opening a new one when it is isomorphic
// to none so far; look_up() gives the class of a graph without opening any
// (nothing when it is new). Graphs are told apart first by a cheap
// fingerprint (the node and link counts and a few rounds of colour
// refinement from the degrees, hashed); only graphs whose fingerprints
// meet are told apart by nauty's canonical line, computed once per class.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "invariants/dense_graph.hpp"

namespace ugraph {

class ClassFinder {
public:
    int place(const DenseGraph& graph);
    std::optional<int> look_up(const DenseGraph& graph);
    int classes() const { return static_cast<int>(firsts_.size()); }

private:
    // A class's first member: its rows in one shared pool (a graph of 9
    // nodes keeps 9 words, not 64), and its canonical line once needed.
    struct First {
        std::size_t offset = 0;
        int n = 0;
        int same_fingerprint = -1;  // the next class of the same fingerprint
        std::string canonical;
    };
    void open_class(const DenseGraph& graph, std::string canonical, int same_fingerprint);
    const std::string& canonical_of(int class_index);
    std::optional<int> among(int head, const std::string& canonical);

    std::vector<First> firsts_;
    std::vector<VertexSet> rows_;
    // Each fingerprint's newest class, heading the chain of the others: an
    // open-addressed table (linear probing, at most half full), as a node
    // per fingerprint would cost an allocation and a cache miss per graph.
    int* head_of(std::uint64_t fingerprint, bool add);
    std::vector<std::uint64_t> fingerprints_;
    std::vector<int> heads_;  // -1: an empty slot
    std::size_t used_slots_ = 0;
};

std::uint64_t fingerprint(const DenseGraph& graph);

}  // namespace ugraph
