#include "interchange/graph6.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "graph/arc_list.hpp"
#include "interchange/six_bit_text.hpp"

namespace ugraph {

namespace {

// The characters after N(n): one bit per vertex pair i < j, taken column by
// column (j = 1, 2, ...; i = 0..j-1), six to a character.
std::size_t body_length(long long n) {
    const long long pairs = n * (n - 1) / 2;
    return static_cast<std::size_t>((pairs + 5) / 6);
}

// A six-bit value with its bits in reverse order: graph6 puts a pair's bit
// first in the most significant place, and the reader wants it lowest.
constexpr std::array<std::uint8_t, 64> REVERSED_SIX = [] {
    std::array<std::uint8_t, 64> reversed{};
    for (unsigned value = 0; value < 64; ++value) {
        unsigned mirror = 0;
        for (int place = 0; place < 6; ++place) {
            mirror |= ((value >> place) & 1U) << (5 - place);
        }
        reversed[value] = static_cast<std::uint8_t>(mirror);
    }
    return reversed;
}();

// Column j of the body is the j bits of pairs (0, j) .. (j - 1, j): taken
// from a window of bits, lowest first, it is the mask of j's lower
// neighbours at once. The padding stays in the window, never read.
void read_pairs(std::string_view body, int n, LinkSet& links) {
    std::uint64_t window = 0;
    int held = 0;
    std::size_t next = 0;
    static_assert(MAX_NODES - 1 <= 64 - 6, "a full window holds any column");
    for (int j = 1; j < n; ++j) {
        // Filled only when short of the column, and then as far as it goes.
        if (held < j) {
            while (held <= 64 - 6 && next < body.size()) {
                const auto bits = static_cast<unsigned>(six_bits_of(body[next++]));
                window |= std::uint64_t{REVERSED_SIX[bits & 63U]} << held;
                held += 6;
            }
        }
        const std::uint64_t lower = window & ((std::uint64_t{1} << j) - 1);
        window >>= j;
        held -= j;
        // Vertex v is node v + 1.
        links.link_below(j + 1, lower << 1);
    }
}

Result<> fits_ugraph(std::string_view line, std::size_t at, long long n) {
    if (n > MAX_NODES) {
        return refused(too_many_vertices(n));
    }
    if (n == 0) {
        return refused(NO_VERTICES);
    }
    const std::size_t expected = at + body_length(n);
    if (line.size() != expected) {
        return refused("its length is " + std::to_string(line.size()) + "; graph6 for " +
                       std::to_string(n) + " vertices needs " + std::to_string(expected));
    }
    return Done{};
}

}  // namespace

Result<> append_graph6(const UGraph& graph, std::string& out) {
    const LinkSet links = LinkSet::of(graph);
    if (const int loop = links.first_loop(); loop != 0) {
        return refused("graph6 cannot hold the self-loop at node " + std::to_string(loop));
    }
    const int vertices = vertex_count(graph);
    append_vertex_count(vertices, out);
    // The body's six-bit values are gathered where they go and made
    // characters afterwards: link (a, b), a < b, is bit (b-1)(b-2)/2 + a-1.
    const std::size_t start = out.size();
    const std::size_t length = body_length(vertices);
    out.append(length, '\0');
    const std::span<char> body(out.data() + start, length);
    links.for_each_link([&](int a, int b) {
        const auto low = static_cast<unsigned>(a);
        const auto high = static_cast<unsigned>(b);
        const unsigned bit = (high - 1) * (high - 2) / 2 + low - 1;
        body[bit / 6] = static_cast<char>(body[bit / 6] | (32U >> (bit % 6)));
    });
    std::transform(body.begin(), body.end(), body.begin(),
                   [](char bits) { return static_cast<char>(bits + SIX_BIT_BIAS); });
    out += '\n';
    return Done{};
}

Result<> read_graph6(std::string_view line, LinkSet& links, int& vertices) {
    if (const std::size_t bad = first_non_six_bit(line); bad != std::string_view::npos) {
        return refused(line[0] == ':'   ? "it is sparse6, not graph6"
                       : line[0] == '&' ? "it is digraph6, not graph6"
                                        : not_six_bit(line, bad));
    }
    std::size_t at = 0;
    long long n = 0;
    if (!read_vertex_count(line, at, n)) {
        return refused("it ends inside its vertex count");
    }
    Result<> fits = fits_ugraph(line, at, n);
    if (!fits) {
        return fits;
    }
    links.clear();
    read_pairs(line.substr(at), static_cast<int>(n), links);
    vertices = static_cast<int>(n);
    return within_link_limit(links);
}

}  // namespace ugraph
