#pragma once
// The facts of the data file that more than one part of the program needs:
// its default name, how long a data-input may be, and which characters a
// stored name may not hold.
#include <string>
#include <string_view>

#include "graph/ugraph.hpp"

namespace ugraph {

inline constexpr const char* GRAPH_DATA_FILE = "GraphDataFile2.txt";

// A data-input's text, "[" to "]", must fit a buffer of LINE_BUFFER_SIZE
// bytes with a closing NUL: the loader refuses a longer one and the writer
// never writes one. (Typed lines are read whole, whatever their length.)
inline constexpr int LINE_BUFFER_SIZE = 2504;
inline constexpr std::size_t MAX_DATA_INPUT_CHARS = LINE_BUFFER_SIZE - 1;
// Each neighbour number becomes two arcs for normalize_arcs.
inline constexpr int MAX_NEIGHBOR_NUMBERS = MAX_NORMALIZE_ARCS / 2;

// In the data file the quotes delimit the name, "]" ends a data-input, a
// carriage return is dropped and Ctrl-Z ends the file, so a name holding any
// of them would not read back; typed names holding them are refused.
inline constexpr std::string_view NAME_FORBIDDEN_CHARS = "\"]\r\x1a";
inline bool is_storable_name(std::string_view text) {
    return text.find_first_of(NAME_FORBIDDEN_CHARS) == std::string_view::npos;
}
inline constexpr std::string_view NAME_REFUSED =
    "Error: a name may not hold a double quote, ']', a carriage return or Ctrl-Z";

// Where a save keeps the content it replaces: beside the file, its name
// with ".bak" added.
inline std::string backup_name(std::string_view file) { return std::string(file) + ".bak"; }

}  // namespace ugraph
