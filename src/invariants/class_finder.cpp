#include "invariants/class_finder.hpp"

#include <algorithm>
#include <array>

#include "invariants/canonical.hpp"

namespace ugraph {

namespace {

std::uint64_t mix(std::uint64_t x) {
    // splitmix64's finaliser: every input bit reaches every output bit.
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

constexpr int REFINEMENT_ROUNDS = 3;

}  // namespace

std::uint64_t fingerprint(const DenseGraph& graph) {
    // Each vertex's colour starts as its degree and takes in the sum of its
    // neighbours' mixed colours each round: sums do not depend on the
    // vertices' order, so isomorphic graphs always meet.
    std::array<std::uint64_t, 64> colour{};
    std::array<std::uint64_t, 64> mixed{};
    for (int v = 0; v < graph.n; ++v)
        colour[v] = static_cast<std::uint64_t>(graph.degree(v));
    for (int round = 0; round < REFINEMENT_ROUNDS; ++round) {
        for (int v = 0; v < graph.n; ++v)
            mixed[v] = mix(colour[v]);
        for (int v = 0; v < graph.n; ++v) {
            std::uint64_t around = 0;
            for (VertexSet row = graph.rows[v]; row != 0; row &= row - 1)
                around += mixed[lowest(row)];
            colour[v] = colour[v] * 31 + around;
        }
    }
    std::uint64_t whole =
        mix(static_cast<std::uint64_t>(graph.n) << 32 | static_cast<std::uint64_t>(graph.links()));
    for (int v = 0; v < graph.n; ++v)
        whole += mix(colour[v] ^ 0x5bd1e995ULL);
    return whole;
}

const std::string& ClassFinder::canonical_of(int class_index) {
    First& first = firsts_[static_cast<std::size_t>(class_index)];
    if (first.canonical.empty()) {
        DenseGraph graph;
        graph.n = first.n;
        std::copy_n(rows_.begin() + static_cast<std::ptrdiff_t>(first.offset), first.n,
                    graph.rows.begin());
        first.canonical = canonical_graph6(graph);
    }
    return first.canonical;
}

void ClassFinder::open_class(const DenseGraph& graph, std::string canonical, int same_fingerprint) {
    firsts_.push_back(First{rows_.size(), graph.n, same_fingerprint, std::move(canonical)});
    rows_.insert(rows_.end(), graph.rows.begin(), graph.rows.begin() + graph.n);
}

std::optional<int> ClassFinder::among(int head, const std::string& canonical) {
    for (int c = head; c >= 0; c = firsts_[static_cast<std::size_t>(c)].same_fingerprint) {
        if (canonical_of(c) == canonical)
            return c;
    }
    return std::nullopt;
}

int* ClassFinder::head_of(std::uint64_t print, bool add) {
    if (add && 2 * (used_slots_ + 1) > heads_.size()) {
        std::vector<std::uint64_t> old_prints(std::max<std::size_t>(1024, 2 * heads_.size()));
        std::vector<int> old_heads(old_prints.size(), -1);
        old_prints.swap(fingerprints_);
        old_heads.swap(heads_);
        used_slots_ = 0;
        for (std::size_t i = 0; i < old_heads.size(); ++i) {
            if (old_heads[i] >= 0)
                *head_of(old_prints[i], true) = old_heads[i];
        }
    }
    if (heads_.empty())
        return nullptr;
    const std::size_t mask = heads_.size() - 1;
    for (std::size_t slot = mix(print) & mask;; slot = (slot + 1) & mask) {
        if (heads_[slot] < 0) {
            if (!add)
                return nullptr;
            fingerprints_[slot] = print;
            ++used_slots_;
            return &heads_[slot];
        }
        if (fingerprints_[slot] == print)
            return &heads_[slot];
    }
}

int ClassFinder::place(const DenseGraph& graph) {
    int* head = head_of(fingerprint(graph), true);
    if (*head < 0) {
        open_class(graph, {}, -1);
    } else {
        std::string canonical = canonical_graph6(graph);
        if (const auto found = among(*head, canonical))
            return *found;
        // The newest class heads its fingerprint's chain.
        open_class(graph, std::move(canonical), *head);
    }
    *head = classes() - 1;
    return *head;
}

std::optional<int> ClassFinder::look_up(const DenseGraph& graph) {
    const int* head = head_of(fingerprint(graph), false);
    if (head == nullptr)
        return std::nullopt;
    return among(*head, canonical_graph6(graph));
}

}  // namespace ugraph
