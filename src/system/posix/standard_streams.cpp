// POSIX: arguments are bytes, UTF-8 where the user's names are, and a
// stream has no line ends of its own.
#include "system/standard_streams.hpp"

#include <unistd.h>

namespace ugraph {

std::vector<std::string> utf8_arguments(int argc, char** argv) { return {argv, argv + argc}; }

void streams_for_commands() {}

void streams_for_dialogue() {}

bool standard_streams_are_a_terminal() {
    return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

bool standard_error_is_a_terminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace ugraph
