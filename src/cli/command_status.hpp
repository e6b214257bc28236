#pragma once
// What the commands give back and how they tell an error: the exit statuses
// and the one-line error on standard error.
#include <ostream>
#include <string_view>

namespace ugraph {

inline constexpr int EXIT_DONE = 0;
inline constexpr int EXIT_NOT_LOADED = 1;  // a data-input or an input graph was refused
inline constexpr int EXIT_USAGE = 2;       // also: a number out of range, an unreadable file

inline void tell_error(std::ostream& err, std::string_view text) {
    err << "ugraph: " << text << '\n';
}

}  // namespace ugraph
