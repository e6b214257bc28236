#pragma once
// bit_count: how many bits of a 64-bit word are set, inline.
//
// std::popcount is one instruction where the build targets a processor that
// has it, and a library call on the baseline x86-64 the release builds for;
// the rows of graphs are counted all the time, so without the instruction a
// few shifts and masks do it in place.
#include <bit>
#include <cstdint>

namespace ugraph {

inline int bit_count(std::uint64_t word) {
#ifdef __POPCNT__
    return std::popcount(word);
#else
    word -= (word >> 1) & 0x5555555555555555ULL;
    word = (word & 0x3333333333333333ULL) + ((word >> 2) & 0x3333333333333333ULL);
    word = (word + (word >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((word * 0x0101010101010101ULL) >> 56);
#endif
}

}  // namespace ugraph
