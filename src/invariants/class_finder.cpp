#include "invariants/class_finder.hpp"

#include <algorithm>
#include <array>

#include "invariants/canonical.hpp"

namespace ugraph {

namespace {

constexpr std::uint64_t mix(std::uint64_t x) {
    // splitmix64's finaliser: every input bit reaches every output bit.
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// The first round mixes degrees alone: looked up, not computed.
constexpr std::array<std::uint64_t, 65> MIXED_DEGREE = [] {
    std::array<std::uint64_t, 65> table{};
    for (std::size_t d = 0; d < table.size(); ++d)
        table[d] = mix(d);
    return table;
}();

constexpr int REFINEMENT_ROUNDS = 2;

// Scrambles a colour between rounds: one multiply between two shifts is
// enough to keep sums of different colours apart, at a third of mix's cost.
constexpr std::uint64_t scramble(std::uint64_t x) {
    x = (x ^ (x >> 32)) * 0xd6e8feb86659fd93ULL;
    return x ^ (x >> 29);
}

// Writes the triangle_words(n) words of the graph's links above the
// diagonal: vertex v's links to v + 1 .. n - 1, then v + 1's, and so on.
void pack_into(const DenseGraph& graph, std::uint64_t* words) {
    const int n = graph.n;
    if (n <= 11) {
        // The whole triangle fits one word: no link crosses into a next.
        std::uint64_t word = 0;
        int at = 0;
        for (int v = 0; v + 1 < n; ++v) {
            const int width = n - 1 - v;
            word |= ((graph.rows[v] >> (v + 1)) & (bit(width) - 1)) << at;
            at += width;
        }
        if (n > 1)
            words[0] = word;
        return;
    }
    std::fill_n(words, triangle_words(n), 0);
    std::size_t at = 0;
    for (int v = 0; v + 1 < n; ++v) {
        const int width = n - 1 - v;
        const std::uint64_t above = (graph.rows[v] >> (v + 1)) & (bit(width) - 1);
        const std::size_t word = at / 64;
        const std::size_t shift = at % 64;
        words[word] |= above << shift;
        if (shift != 0 && shift + static_cast<std::size_t>(width) > 64)
            words[word + 1] |= above >> (64 - shift);
        at += static_cast<std::size_t>(width);
    }
}

}  // namespace

std::uint64_t fingerprint(const DenseGraph& graph) {
    // Each vertex's colour starts as its degree and takes in the sum of its
    // neighbours' mixed colours each round: sums do not depend on the
    // vertices' order, so isomorphic graphs always meet. Only the first n
    // entries are ever read, so the arrays are left unfilled.
    const int n = graph.n;
    std::array<std::uint64_t, 64> colour;  // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::array<std::uint64_t, 64> mixed;   // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::uint64_t twice_links = 0;
    for (int v = 0; v < n; ++v) {
        colour[v] = static_cast<std::uint64_t>(graph.degree(v));
        twice_links += colour[v];
        mixed[v] = MIXED_DEGREE[colour[v]];
    }
    for (int round = 0; round < REFINEMENT_ROUNDS; ++round) {
        if (round > 0) {
            for (int v = 0; v < n; ++v)
                mixed[v] = scramble(colour[v]);
        }
        for (int v = 0; v < n; ++v) {
            std::uint64_t around = 0;
            for (VertexSet row = graph.rows[v]; row != 0; row &= row - 1)
                around += mixed[lowest(row)];
            colour[v] = colour[v] * 31 + around;
        }
    }
    std::uint64_t whole = mix(static_cast<std::uint64_t>(n) << 32 | twice_links / 2);
    for (int v = 0; v < n; ++v)
        whole += scramble(colour[v] ^ 0x5bd1e995ULL);
    return mix(whole);
}

void pack_triangle(const DenseGraph& graph, std::vector<std::uint64_t>& words) {
    const std::size_t at = words.size();
    words.resize(at + triangle_words(graph.n));
    pack_into(graph, words.data() + at);
}

DenseGraph unpack_triangle(std::span<const std::uint64_t> words, int n) {
    DenseGraph graph;
    graph.n = n;
    std::size_t at = 0;
    for (int v = 0; v < n; ++v) {
        for (int w = v + 1; w < n; ++w, ++at) {
            if ((words[at / 64] >> (at % 64) & 1) != 0)
                graph.link(v, w);
        }
    }
    return graph;
}

std::span<const std::uint64_t> ClassFinder::canonical_of(int class_index) {
    First& first = firsts_[static_cast<std::size_t>(class_index)];
    std::uint64_t* words = words_.data() + first.words_at;
    const std::size_t size = triangle_words(first.n);
    if (!first.canonical) {
        // The member's own links are needed no more: its form, of as many
        // words, takes their place.
        const DenseGraph form = canonical_form(unpack_triangle({words, size}, first.n));
        pack_into(form, words);
        first.canonical = true;
    }
    return {words, size};
}

void ClassFinder::open_class(const DenseGraph& graph, std::uint64_t print, bool canonical,
                             int same_fingerprint) {
    firsts_.push_back(First{words_.size(), print, same_fingerprint,
                            static_cast<std::int16_t>(graph.n), canonical});
    pack_triangle(graph, words_);
}

std::optional<int> ClassFinder::among(int head, const DenseGraph& form) {
    scratch_.clear();
    pack_triangle(form, scratch_);
    for (int c = head; c >= 0; c = firsts_[static_cast<std::size_t>(c)].same_fingerprint) {
        if (firsts_[static_cast<std::size_t>(c)].n != form.n)
            continue;
        const std::span<const std::uint64_t> words = canonical_of(c);
        if (std::equal(words.begin(), words.end(), scratch_.begin()))
            return c;
    }
    return std::nullopt;
}

int* ClassFinder::head_of(std::uint64_t print, bool add) {
    if (add && 4 * (used_slots_ + 1) > 3 * slots_.size()) {
        std::vector<Slot> old(std::max<std::size_t>(1024, 2 * slots_.size()));
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& moved : old) {
            if (moved.head < 0)
                continue;
            const std::uint64_t print_of =
                firsts_[static_cast<std::size_t>(moved.head)].fingerprint;
            std::size_t slot = print_of & mask;
            while (slots_[slot].head >= 0)
                slot = (slot + 1) & mask;
            slots_[slot] = moved;
        }
    }
    if (slots_.empty())
        return nullptr;
    const std::size_t mask = slots_.size() - 1;
    const auto tag = static_cast<std::uint32_t>(print >> 32);
    // The fingerprint is a hash already: its low bits pick the slot.
    for (std::size_t slot = print & mask;; slot = (slot + 1) & mask) {
        if (slots_[slot].head < 0) {
            if (!add)
                return nullptr;
            slots_[slot].tag = tag;
            ++used_slots_;
            return &slots_[slot].head;
        }
        if (slots_[slot].tag == tag &&
            firsts_[static_cast<std::size_t>(slots_[slot].head)].fingerprint == print)
            return &slots_[slot].head;
    }
}

int ClassFinder::place(const DenseGraph& graph) {
    const std::uint64_t print = fingerprint(graph);
    int* head = head_of(print, true);
    if (*head < 0) {
        // Alone with its fingerprint: its canonical form waits until another
        // graph meets it, which most never do.
        open_class(graph, print, false, -1);
    } else {
        const DenseGraph form = canonical_form(graph);
        if (const auto found = among(*head, form))
            return *found;
        // The newest class heads its fingerprint's chain.
        open_class(form, print, true, *head);
    }
    *head = classes() - 1;
    return *head;
}

std::optional<int> ClassFinder::look_up(const DenseGraph& graph) {
    const int* head = head_of(fingerprint(graph), false);
    if (head == nullptr)
        return std::nullopt;
    return among(*head, canonical_form(graph));
}

}  // namespace ugraph
