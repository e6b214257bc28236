#pragma once
// What graph6 and sparse6 share: printable characters that carry six bits
// each (the byte minus 63), and N(n), the vertex count that opens a graph.
//
// append_vertex_count writes N(n) for 0 <= n <= 258047 (one byte up to 62,
// else '~' and three more). read_vertex_count reads N(n) in any of its three
// lengths from text[at] on and moves `at` past it; it fails when the text
// ends inside it. first_non_six_bit gives the position of the first byte
// outside 63..126, or npos; not_six_bit describes that byte for a refusal.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ugraph {

inline constexpr int SIX_BIT_BIAS = 63;
inline constexpr int SIX_BIT_MAX = 126;

void append_vertex_count(int n, std::string& out);
bool read_vertex_count(std::string_view text, std::size_t& at, long long& n);
std::size_t first_non_six_bit(std::string_view text);
std::string not_six_bit(std::string_view text, std::size_t at);

inline int six_bits_of(char c) { return static_cast<unsigned char>(c) - SIX_BIT_BIAS; }

}  // namespace ugraph
