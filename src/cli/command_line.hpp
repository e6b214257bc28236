#pragma once
// run_command_line: what ugraph does with its arguments, in `context`.
//
// Without arguments, or with only -f FILE, it is the dialogue on the data
// file, which talks over the context's input and output only (through the
// line editor, when one is made) and always ends with status 0. With
// --version or --help it prints them. Otherwise its first argument that is
// not an option names a command of the command table, whose run gives the
// exit status (see command_status.hpp); only that command is described to
// the parser.
//
// The commands' errors go to the context's error stream as one line
// beginning "ugraph: ", a usage error with a pointer to the help concerned
// (see usage_error.hpp). Standard output is checked once the command is done
// (see finish_output). File names in argv are UTF-8.
#include "cli/command.hpp"

namespace ugraph {

int run_command_line(int argc, const char* const* argv, CommandContext& context);

}  // namespace ugraph
