// POSIX: arguments are bytes, UTF-8 where the user's names are, and a
// stream has no line ends of its own.
#include "system/standard_streams.hpp"

namespace ugraph {

std::vector<std::string> utf8_arguments(int argc, char** argv) { return {argv, argv + argc}; }

void streams_for_commands() {}

void streams_for_dialogue() {}

}  // namespace ugraph
