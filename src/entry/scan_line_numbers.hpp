#pragma once
// scan_line_numbers: the numbers in one typed line, left to right.
//
// Each maximal run of the digits 0-9 is one decimal number; every other
// character (blank, comma, parenthesis, letter, sign, any other byte) only
// separates, so "2,3 4" gives 2, 3, 4; "12a34" gives 12, 34; "-3" gives 3;
// "007" gives 7. The line ends at its end or at a NUL byte. A run whose value
// passes 2147483647 gives 2147483647. Each number is handed to `take` as soon
// as its run ends; the caller applies its own acceptance test.
#include <algorithm>
#include <cstdint>
#include <string_view>

namespace ugraph {

template <typename Take>
void scan_line_numbers(std::string_view line, Take&& take) {
    constexpr std::int64_t largest = INT32_MAX;
    std::size_t pos = 0;
    while (pos < line.size() && line[pos] != '\0') {
        if (line[pos] < '0' || line[pos] > '9') {
            ++pos;
            continue;
        }
        std::int64_t value = 0;
        for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
            value = std::min(value * 10 + (line[pos] - '0'), largest);
        }
        take(static_cast<std::int32_t>(value));
    }
}

}  // namespace ugraph
