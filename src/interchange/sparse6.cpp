#include "interchange/sparse6.hpp"

#include <array>
#include <bit>
#include <cstdint>

#include "graph/link_set.hpp"
#include "interchange/six_bit_text.hpp"

namespace ugraph {

// The body is a run of (b, x) pairs: one bit b, then x in k bits, where k is
// the number of bits of n - 1. A reader keeps a current vertex v, starting at
// 0: b = 1 moves v on by one; then x > v moves v to x, and x <= v is the link
// (x, v). Links go out sorted by their higher end, the lower ascending.
namespace {

// nauty gives a one-vertex graph 0 bits per vertex number, so its pairs are
// the b bits alone. (NetworkX takes 1 bit there, and so misreads nauty's
// line for one vertex with a self-loop.)
int bits_for_highest_vertex(int n) {
    return n <= 1 ? 0 : std::bit_width(static_cast<unsigned>(n - 1));
}

class SixBitReader {
public:
    explicit SixBitReader(std::string_view body) : body_(body) {}
    std::size_t bits_left() const { return body_.size() * 6 - taken_; }
    int take(int width) {
        int value = 0;
        for (int k = 0; k < width; ++k, ++taken_) {
            const int bits = six_bits_of(body_[taken_ / 6]);
            value = (value << 1) | ((bits >> (5 - taken_ % 6)) & 1);
        }
        return value;
    }

private:
    std::string_view body_;
    std::size_t taken_ = 0;
};

void read_pairs(std::string_view body, int n, LinkSet& links) {
    const int k = bits_for_highest_vertex(n);
    SixBitReader reader(body);
    int v = 0;
    // Padding may read as a last pair naming a vertex beyond n; like nauty,
    // everything from such a pair on is ignored.
    while (reader.bits_left() >= static_cast<std::size_t>(k) + 1) {
        v += reader.take(1);
        const int x = reader.take(k);
        if (x >= n || v >= n) {
            return;
        }
        if (x > v) {
            v = x;
        } else {
            links.add(x + 1, v + 1);
        }
    }
}

// The last character is padded with 1 bits, which read as a pair whose x is
// at least n - 1. When n is a power of two and v stands at n - 2, b = 1 would
// take v to n - 1 and x = n - 1 would read as a self-loop there; so when the
// padding has room for a whole pair, nauty starts it with a 0 bit instead.
std::uint32_t padding(int free_bits, int k, int n, int last_v) {
    const std::uint32_t ones = (1U << free_bits) - 1;
    const bool loop_would_appear = free_bits >= k + 1 && last_v == n - 2 && n == (1 << k);
    return loop_would_appear ? ones >> 1 : ones;
}

}  // namespace

void append_sparse6(const LinkSet& links, int n, std::string& out) {
    const int k = bits_for_highest_vertex(n);
    const int pair_width = k + 1;
    const std::uint64_t moved_on = std::uint64_t{1} << k;  // b = 1
    out += ':';
    append_vertex_count(n, out);
    // Every link takes at most two pairs, and vertex j has at most j + 1
    // links to itself and below: the room is made once, without a count,
    // and the bits go out through a pointer, six at a time, most
    // significant first.
    const std::size_t start = out.size();
    const std::size_t most_bits = static_cast<std::size_t>(n) * static_cast<std::size_t>(n + 1) *
                                  static_cast<std::size_t>(pair_width);
    out.resize(start + most_bits / 6 + 2);
    char* at = out.data() + start;
    // Bits wait in `pending` until six characters' worth are in, and go out
    // six at a time; a put is at most two pairs, 14 bits, so 36 + 14 fit.
    std::uint64_t pending = 0;
    int used = 0;  // bits of `pending` not yet written
    const auto put_char = [&]() {
        used -= 6;
        *at++ = static_cast<char>(((pending >> used) & 63U) + SIX_BIT_BIAS);
    };
    const auto put = [&](std::uint64_t value, int width) {
        pending = (pending << width) | value;
        used += width;
        if (used >= 36) {
            for (int k = 0; k < 6; ++k) {
                put_char();
            }
        }
    };
    int v = 0;
    for (int j = 0; j < n; ++j) {
        // The links whose higher end is vertex j (node j + 1), as bits of the lower.
        std::uint64_t rest = (links.row(j + 1) >> 1) & ((std::uint64_t{2} << j) - 1);
        if (rest == 0) {
            continue;
        }
        // The first of them moves v to j; the others find it there.
        const auto first = static_cast<std::uint64_t>(std::countr_zero(rest));
        if (j > v + 1) {
            put(((moved_on | static_cast<std::uint64_t>(j)) << pair_width) | first, 2 * pair_width);
        } else {
            put(j == v + 1 ? moved_on | first : first, pair_width);
        }
        v = j;
        for (rest &= rest - 1; rest != 0; rest &= rest - 1) {
            put(static_cast<std::uint64_t>(std::countr_zero(rest)), pair_width);
        }
    }
    while (used >= 6) {
        put_char();
    }
    if (used != 0) {
        const int free_bits = 6 - used;
        pending = (pending << free_bits) | padding(free_bits, k, n, v);
        used = 6;
        put_char();
    }
    *at++ = '\n';
    out.resize(static_cast<std::size_t>(at - out.data()));
}

Result<> read_sparse6(std::string_view line, LinkSet& links, int& vertices) {
    if (line.empty() || line[0] != ':') {
        return refused(!line.empty() && line[0] == ';'
                           ? "incremental sparse6 (';') is not read"
                           : "it does not start with ':' as sparse6 does");
    }
    const std::string_view text = line.substr(1);
    if (const std::size_t bad = first_non_six_bit(text); bad != std::string_view::npos) {
        return refused(not_six_bit(line, bad + 1));
    }
    std::size_t at = 0;
    long long n = 0;
    if (!read_vertex_count(text, at, n)) {
        return refused("it ends inside its vertex count");
    }
    if (n > MAX_NODES || n == 0) {
        return refused(n == 0 ? NO_VERTICES : too_many_vertices(n));
    }
    links.clear();
    read_pairs(text.substr(at), static_cast<int>(n), links);
    vertices = static_cast<int>(n);
    return within_link_limit(links);
}

}  // namespace ugraph
