#pragma once
// data_input_number: a number as show and export read it, in decimal only
// (010 is ten, 0x3 is no number), with an optional minus sign and nothing
// around it; nothing when the text is no such number or passes the range.
// seek_number: seek_data_input for such a number; one beyond the count a
// file could hold is never found, the reader then having counted them all.
#include <charconv>
#include <climits>
#include <optional>
#include <string_view>

#include "datainput/data_input_reader.hpp"

namespace ugraph {

inline std::optional<long long> data_input_number(std::string_view text) {
    long long number = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

inline bool seek_number(DataInputReader& reader, long long number, DataInput& into) {
    if (number > INT_MAX) {
        while (reader.next(into)) {
        }
        return false;
    }
    return seek_data_input(reader, static_cast<int>(number), into);
}

}  // namespace ugraph
