#pragma once
// append_number: a number in decimal, as every text ugraph writes it (the
// written form of a data-input, the interchange formats). Node numbers, the
// common case, are written without a conversion call: a long import or
// export writes millions of them.
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace ugraph {

inline void append_number(std::int32_t value, std::string& text) {
    if (value >= 0 && value < 100) {
        if (value >= 10) {
            text += static_cast<char>('0' + value / 10);
        }
        text += static_cast<char>('0' + value % 10);
        return;
    }
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    text.append(digits.data(), end);
}

}  // namespace ugraph
