#include "interchange/six_bit_text.hpp"

namespace ugraph {

namespace {

constexpr int SHORT_COUNT_MAX = 62;
constexpr char LONG_COUNT_MARK = '~';

// Reads `digits` characters of six bits each as one big-endian number.
bool read_six_bit_number(std::string_view text, std::size_t& at, int digits, long long& n) {
    if (text.size() - at < static_cast<std::size_t>(digits)) {
        return false;
    }
    n = 0;
    for (int k = 0; k < digits; ++k) {
        n = (n << 6) | six_bits_of(text[at++]);
    }
    return true;
}

}  // namespace

void append_vertex_count(int n, std::string& out) {
    if (n <= SHORT_COUNT_MAX) {
        out += static_cast<char>(n + SIX_BIT_BIAS);
        return;
    }
    out += LONG_COUNT_MARK;
    for (int shift = 12; shift >= 0; shift -= 6) {
        out += static_cast<char>(((n >> shift) & 63) + SIX_BIT_BIAS);
    }
}

bool read_vertex_count(std::string_view text, std::size_t& at, long long& n) {
    if (at >= text.size()) {
        return false;
    }
    if (text[at] != LONG_COUNT_MARK) {
        n = six_bits_of(text[at++]);
        return true;
    }
    ++at;
    // "~~" opens the eight-byte form for counts above 258047.
    if (at < text.size() && text[at] == LONG_COUNT_MARK) {
        ++at;
        return read_six_bit_number(text, at, 6, n);
    }
    return read_six_bit_number(text, at, 3, n);
}

std::size_t first_non_six_bit(std::string_view text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte < SIX_BIT_BIAS || byte > SIX_BIT_MAX) {
            return k;
        }
    }
    return std::string_view::npos;
}

std::string not_six_bit(std::string_view text, std::size_t at) {
    return "its character " + std::to_string(at + 1) + " is byte " +
           std::to_string(static_cast<unsigned char>(text[at])) + ", outside 63..126";
}

}  // namespace ugraph
