#pragma once
// A usage error in the program's own voice, whatever found it: one line on
// standard error that names what was typed as it was typed, suggests a near
// name where there is one, and points to the help of the command concerned,
// e.g.
//
//   ugraph: unknown option '--t' for export; did you mean '--to'? (see 'ugraph export --help')
//   ugraph: there is no command 'lst'; did you mean 'list'? (see 'ugraph --help')
//
// The parser's own messages never reach the user: the command line is
// parsed leniently, and what the parser left over (an unknown option, an
// argument too many), saw twice or saw without its value is worded here.
//
//   tell_usage_error   the line, on `err`; gives EXIT_USAGE.
//   near_name          the name among `names` that `typed` is most likely a
//                      slip of (a letter left out, added, changed or two
//                      swapped), if one is near enough.
//   did_you_mean       "; did you mean 'list'?" for near_name, or nothing.
//   leftover_argument  the first argument the parse left over, worded.
//   repeated_option    the first option given more than once, worded.
//   missing_value      the option at the end of `args` that lacks its value.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace ugraph {

struct UsageError {
    std::string text;
    std::string command;  // whose help to point to; empty for the program's
};

int tell_usage_error(std::ostream& err, const UsageError& error);

std::optional<std::string> near_name(std::string_view typed, const std::vector<std::string>& names);
std::string did_you_mean(std::string_view typed, const std::vector<std::string>& names);

// `command` is the command that was parsed, or the program itself; `args`
// the arguments as typed, the program's name left out.
std::optional<UsageError> leftover_argument(const CLI::App& program, const CLI::App& command,
                                            const std::vector<std::string>& args);
std::optional<UsageError> repeated_option(const CLI::App& program, const CLI::App& command,
                                          const std::vector<std::string>& args);
UsageError missing_value(const CLI::App& program, const CLI::App& command,
                         const std::vector<std::string>& args);

}  // namespace ugraph
