#include "invariants/class_finder.hpp"

#include <algorithm>
#include <array>

#include "invariants/canonical.hpp"

namespace ugraph {

namespace {

std::span<const VertexSet> rows_of(const DenseGraph& graph) {
    return {graph.rows.data(), static_cast<std::size_t>(graph.n)};
}

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
void pack_into(std::span<const VertexSet> rows, std::uint64_t* words) {
    const auto n = static_cast<int>(rows.size());
    if (n <= 11) {
        // The whole triangle fits one word: no link crosses into a next.
        std::uint64_t word = 0;
        int at = 0;
        for (int v = 0; v + 1 < n; ++v) {
            const int width = n - 1 - v;
            word |= ((rows[static_cast<std::size_t>(v)] >> (v + 1)) & (bit(width) - 1)) << at;
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
        const std::uint64_t above =
            (rows[static_cast<std::size_t>(v)] >> (v + 1)) & (bit(width) - 1);
        const std::size_t word = at / 64;
        const std::size_t shift = at % 64;
        words[word] |= above << shift;
        if (shift != 0 && shift + static_cast<std::size_t>(width) > 64)
            words[word + 1] |= above >> (64 - shift);
        at += static_cast<std::size_t>(width);
    }
}

using Colours = std::array<std::uint64_t, 64>;

// The vertices' colours, their mixed forms, and what the vertices below
// have given each vertex so far in a round. Only the first n entries are
// ever read, and the callers fill them (`given` with zeros).
struct Refinement {
    Colours colour;  // NOLINT(cppcoreguidelines-pro-type-member-init)
    Colours mixed;   // NOLINT(cppcoreguidelines-pro-type-member-init)
    Colours given;   // NOLINT(cppcoreguidelines-pro-type-member-init)
};

// Refines the vertices' colours, given with their mixed forms: each round,
// each colour takes in the sum of its neighbours' mixed colours. Sums do
// not depend on the vertices' order, so isomorphic graphs always end with
// the same colours; the sum of their scrambles is returned.
//
// Each link is walked once a round, from its lower end, and gives both
// ways: by a vertex's turn every vertex below has given, and it gives every
// vertex above, so its colour is final for the round and its mixed colour,
// read by no one after it, can be the next round's at once.
std::uint64_t refine(std::span<const VertexSet> rows, Refinement& r) {
    const auto n = rows.size();
    Colours& colour = r.colour;
    Colours& mixed = r.mixed;
    Colours& given = r.given;
    // One round: each vertex's new colour, to `then` once final.
    const auto round = [&](auto then) {
        for (std::size_t v = 0; v < n; ++v) {
            std::uint64_t around = given[v];
            given[v] = 0;
            const std::uint64_t mine = mixed[v];
            for (VertexSet above = rows[v] & (~VertexSet{1} << v); above != 0; above &= above - 1) {
                const auto w = static_cast<std::size_t>(lowest(above));
                around += mixed[w];
                given[w] += mine;
            }
            colour[v] = colour[v] * 31 + around;
            then(v);
        }
    };
    for (int before_last = 1; before_last < REFINEMENT_ROUNDS; ++before_last)
        round([&](std::size_t v) { mixed[v] = scramble(colour[v]); });
    std::uint64_t whole = 0;
    round([&](std::size_t v) { whole += scramble(colour[v] ^ 0x5bd1e995ULL); });
    return whole;
}

// For graphs whose fingerprints met: each vertex's colour starts from its
// degree and the triangles through it, which the degrees' refinement never
// sees (it cannot part the prism from K3,3).
std::uint64_t finer_print(std::span<const VertexSet> rows) {
    Colours triangles{};
    for (std::size_t v = 0; v < rows.size(); ++v) {
        for (VertexSet above = rows[v] & (~VertexSet{1} << v); above != 0; above &= above - 1) {
            const auto w = static_cast<std::size_t>(lowest(above));
            const auto through = static_cast<std::uint64_t>(count(rows[v] & rows[w]));
            triangles[v] += through;
            triangles[w] += through;
        }
    }
    Refinement r;
    for (std::size_t v = 0; v < rows.size(); ++v) {
        r.colour[v] = static_cast<std::uint64_t>(count(rows[v])) << 32 | triangles[v];
        r.mixed[v] = mix(r.colour[v]);
        r.given[v] = 0;
    }
    return mix(refine(rows, r) ^ rows.size());
}

}  // namespace

std::uint64_t fingerprint(std::span<const VertexSet> rows) {
    // Colours start as the degrees.
    const auto n = rows.size();
    Refinement r;
    // In a loop of their own, the degrees are counted two rows at a time.
    for (std::size_t v = 0; v < n; ++v)
        r.colour[v] = static_cast<std::uint64_t>(count(rows[v]));
    std::uint64_t twice_links = 0;
    for (std::size_t v = 0; v < n; ++v) {
        twice_links += r.colour[v];
        r.mixed[v] = MIXED_DEGREE[r.colour[v]];
        r.given[v] = 0;
    }
    const std::uint64_t counts = mix(static_cast<std::uint64_t>(n) << 32 | twice_links / 2);
    return mix(counts + refine(rows, r));
}

void pack_triangle(std::span<const VertexSet> rows, std::vector<std::uint64_t>& words) {
    const std::size_t at = words.size();
    words.resize(at + triangle_words(static_cast<int>(rows.size())));
    pack_into(rows, words.data() + at);
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
        pack_into(rows_of(form), words);
        first.canonical = true;
    }
    return {words, size};
}

std::uint64_t ClassFinder::finer_of(int class_index) {
    First& first = firsts_[static_cast<std::size_t>(class_index)];
    if (!first.finer_known) {
        // Its links or its canonical form: isomorphic, so either will do.
        const DenseGraph graph =
            unpack_triangle({words_.data() + first.words_at, triangle_words(first.n)}, first.n);
        first.finer = finer_print(rows_of(graph));
        first.finer_known = true;
    }
    return first.finer;
}

void ClassFinder::open_class(std::span<const VertexSet> rows, std::uint64_t print,
                             int same_fingerprint) {
    firsts_.push_back(First{words_.size(), print, 0, same_fingerprint,
                            static_cast<std::int16_t>(rows.size()), false, false});
    pack_triangle(rows, words_);
}

std::optional<int> ClassFinder::among(int head, Newcomer& newcomer) {
    for (int c = head; c >= 0; c = firsts_[static_cast<std::size_t>(c)].same_fingerprint) {
        if (static_cast<std::size_t>(firsts_[static_cast<std::size_t>(c)].n) !=
                newcomer.rows.size() ||
            (newcomer.finer && finer_of(c) != *newcomer.finer))
            continue;
        if (!newcomer.form) {
            DenseGraph graph;
            graph.n = static_cast<int>(newcomer.rows.size());
            std::copy(newcomer.rows.begin(), newcomer.rows.end(), graph.rows.begin());
            newcomer.form = canonical_form(graph);
            scratch_.clear();
            pack_triangle(rows_of(*newcomer.form), scratch_);
        }
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
            std::size_t slot = moved.tag & mask;
            while (slots_[slot].head >= 0)
                slot = (slot + 1) & mask;
            slots_[slot] = moved;
        }
    }
    if (slots_.empty())
        return nullptr;
    const std::size_t mask = slots_.size() - 1;
    const auto tag = static_cast<std::uint32_t>(print);
    // The fingerprint is a hash already: its low bits pick the slot.
    for (std::size_t slot = tag & mask;; slot = (slot + 1) & mask) {
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
    return place(rows_of(graph), fingerprint(graph));
}

int ClassFinder::place(std::span<const VertexSet> rows, std::uint64_t print) {
    int* head = head_of(print, true);
    if (*head < 0) {
        // Alone with its fingerprint: its finer print and canonical form
        // wait until another graph meets it, which most never do.
        open_class(rows, print, -1);
    } else {
        const bool finer = finer_pays();
        Newcomer newcomer{rows, std::nullopt, std::nullopt};
        if (finer)
            newcomer.finer = finer_print(rows);
        const auto found = among(*head, newcomer);
        if (finer)
            count_finer(!newcomer.form);
        if (found)
            return *found;
        // The newest class heads its fingerprint's chain, with what is
        // known of it already.
        open_class(newcomer.form ? rows_of(*newcomer.form) : rows, print, *head);
        First& first = firsts_[firsts_.size() - 1];
        first.finer = newcomer.finer.value_or(0);
        first.finer_known = newcomer.finer.has_value();
        first.canonical = newcomer.form.has_value();
    }
    *head = classes() - 1;
    return *head;
}

bool ClassFinder::finer_pays() {
    ++met_;
    return 5 * finer_parted_ >= finer_tried_ || met_ % 16 == 0;
}

void ClassFinder::count_finer(bool parted) {
    ++finer_tried_;
    finer_parted_ += parted ? 1 : 0;
    // The last few hundred tries count, the older ones less and less.
    if (finer_tried_ == 256) {
        finer_tried_ /= 2;
        finer_parted_ /= 2;
    }
}

std::optional<int> ClassFinder::look_up(const DenseGraph& graph) {
    const int* head = head_of(fingerprint(graph), false);
    if (head == nullptr)
        return std::nullopt;
    Newcomer newcomer{rows_of(graph), finer_print(rows_of(graph)), std::nullopt};
    return among(*head, newcomer);
}

}  // namespace ugraph
