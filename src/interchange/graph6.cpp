#include "interchange/graph6.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

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
        // Filled only when the column is not all in: a small graph's whole
        // body fits at the first column.
        if (held < j) {
            for (; held <= 64 - 6 && next < body.size(); held += 6) {
                const auto bits = static_cast<unsigned>(six_bits_of(body[next++]));
                window |= std::uint64_t{REVERSED_SIX[bits & 63U]} << held;
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

Result<> append_graph6(const LinkSet& links, int vertices, std::string& out) {
    // The reader's way backwards: column j (vertex j's lower neighbours) goes
    // into a window of bits, lowest first, and every six bits of it become a
    // character. A window never holds more than 5 + 49 bits. The line is
    // put together in a buffer of the longest one and added in one piece;
    // the self-loops are gathered on the way, as the row's bit of its own
    // node, and refuse the line at the end.
    std::array<char, 1 + (MAX_NODES * (MAX_NODES - 1) / 2 + 5) / 6 + 1> line;
    const int n = std::clamp(vertices, 0, MAX_NODES);
    char* at = line.data();
    static_assert(MAX_NODES <= 62, "N(n) of a Ugraph is one character");
    *at++ = static_cast<char>(n + SIX_BIT_BIAS);
    std::uint64_t loops = links.row(1) & 2U;
    std::uint64_t window = 0;
    int held = 0;
    for (int j = 1; j < n; ++j) {
        const std::uint64_t row = links.row(j + 1);
        loops |= row & (std::uint64_t{2} << j);
        window |= ((row >> 1) & ((std::uint64_t{1} << j) - 1)) << held;
        held += j;
        for (; held >= 6; held -= 6, window >>= 6) {
            *at++ = static_cast<char>(REVERSED_SIX[window & 63U] + SIX_BIT_BIAS);
        }
    }
    if (held > 0) {
        *at++ = static_cast<char>(REVERSED_SIX[window & 63U] + SIX_BIT_BIAS);  // padded with 0s
    }
    if (loops != 0) {
        return refused("graph6 cannot hold the self-loop at node " +
                       std::to_string(links.first_loop()));
    }
    *at++ = '\n';
    out.append(line.data(), at);
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
