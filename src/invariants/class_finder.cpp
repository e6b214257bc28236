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
    for (int v = 0; v < graph.n; ++v)
        colour[v] = static_cast<std::uint64_t>(graph.degree(v));
    for (int round = 0; round < REFINEMENT_ROUNDS; ++round) {
        std::array<std::uint64_t, 64> next{};
        for (int v = 0; v < graph.n; ++v) {
            std::uint64_t around = 0;
            for (VertexSet row = graph.rows[v]; row != 0; row &= row - 1)
                around += mix(colour[lowest(row)]);
            next[v] = mix(colour[v] * 31 + around);
        }
        colour = next;
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

void ClassFinder::open_class(const DenseGraph& graph, std::string canonical) {
    firsts_.push_back(First{rows_.size(), graph.n, std::move(canonical)});
    rows_.insert(rows_.end(), graph.rows.begin(), graph.rows.begin() + graph.n);
}

std::optional<int> ClassFinder::among(const std::vector<int>& candidates,
                                      const std::string& canonical) {
    for (const int c : candidates) {
        if (canonical_of(c) == canonical)
            return c;
    }
    return std::nullopt;
}

int ClassFinder::place(const DenseGraph& graph) {
    auto& candidates = by_fingerprint_[fingerprint(graph)];
    const int fresh = classes();
    if (candidates.empty()) {
        open_class(graph, {});
    } else {
        std::string canonical = canonical_graph6(graph);
        if (const auto found = among(candidates, canonical))
            return *found;
        open_class(graph, std::move(canonical));
    }
    candidates.push_back(fresh);
    return fresh;
}

std::optional<int> ClassFinder::look_up(const DenseGraph& graph) {
    const auto found = by_fingerprint_.find(fingerprint(graph));
    if (found == by_fingerprint_.end())
        return std::nullopt;
    return among(found->second, canonical_graph6(graph));
}

}  // namespace ugraph
