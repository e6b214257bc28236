#pragma once
// What the commands give back and how they tell an error: the exit statuses,
// the one-line error on standard error, and the words several commands share.
//
//   tell_error          "ugraph: <text>" and a line end on `err`.
//   counted             "1 link", "3 links".
//   no_such_data_input  the words for a number beyond the file's data-inputs.
//   cannot_read_to_end  the words for an input whose read failed before its end.
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "common/path_text.hpp"

namespace ugraph {

inline constexpr int EXIT_DONE = 0;
inline constexpr int EXIT_NOT_LOADED = 1;  // a data-input or an input graph was refused
inline constexpr int EXIT_USAGE = 2;       // also: a number out of range, an unreadable file

inline void tell_error(std::ostream& err, std::string_view text) {
    // One write, so that the lines of two programs never interleave.
    std::string line = "ugraph: ";
    line += text;
    line += '\n';
    err << line;
}

inline std::string counted(long count, const char* thing) {
    return std::to_string(count) + ' ' + thing + (count == 1 ? "" : "s");
}

inline std::string no_such_data_input(const std::filesystem::path& file, int held,
                                      long long number) {
    return utf8_of(file) + " holds " + counted(held, "data-input") + "; there is no data-input " +
           std::to_string(number);
}

inline std::string cannot_read_to_end(const std::string& source) {
    return "cannot read " + source + " to its end";
}

}  // namespace ugraph
