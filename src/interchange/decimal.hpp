#pragma once
// append_number: a node number in decimal, as every text format writes it.
#include <charconv>
#include <string>

namespace ugraph {

inline void append_number(int n, std::string& out) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

}  // namespace ugraph
