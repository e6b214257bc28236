#pragma once
// A number in decimal, as every text ugraph writes it (the written form of a
// data-input, the interchange formats). Node numbers, the common case, are
// written without a conversion call: a long import or export writes
// millions of them.
//
//   put_number     writes the digits at `at`, which has room for
//                  NUMBER_ROOM characters, and gives the end of what it wrote.
//   append_number  adds them to the end of `text`.
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ugraph {

// A sign and the ten digits of the largest 32-bit number.
inline constexpr std::size_t NUMBER_ROOM = 11;

inline char* put_number(char* at, std::int32_t value) {
    if (value >= 0 && value < 100) {
        if (value >= 10) {
            *at++ = static_cast<char>('0' + value / 10);
        }
        *at++ = static_cast<char>('0' + value % 10);
        return at;
    }
    return std::to_chars(at, at + NUMBER_ROOM, value).ptr;
}

inline void append_number(std::int32_t value, std::string& text) {
    std::array<char, NUMBER_ROOM> digits;
    text.append(digits.data(), put_number(digits.data(), value));
}

}  // namespace ugraph
