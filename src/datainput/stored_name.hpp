#pragma once
// The names a data-input can hold. In the data file the quotes delimit the
// name, "]" ends a data-input, a carriage return is dropped and Ctrl-Z ends
// the file, so a name holding any of them would not read back: typed names
// holding them are refused, imported ones have them replaced.
#include <string_view>

namespace ugraph {

inline constexpr std::string_view NAME_FORBIDDEN_CHARS = "\"]\r\x1a";

inline bool is_storable_name(std::string_view text) {
    return text.find_first_of(NAME_FORBIDDEN_CHARS) == std::string_view::npos;
}

inline constexpr std::string_view NAME_REFUSED =
    "Error: a name may not hold a double quote, ']', a carriage return or Ctrl-Z";

}  // namespace ugraph
