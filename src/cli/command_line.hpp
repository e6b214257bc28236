#pragma once
// run_command_line: what ugraph does with its arguments.
//
//   ugraph [-f FILE]            the dialogue, on FILE instead of
//                               GraphDataFile2.txt when given
//   ugraph list [-f FILE]       one line per data-input of the file
//   ugraph show N [-f FILE]     the summary line and report of data-input N
//   ugraph help [COMMAND], --help, -h, COMMAND --help, --version
//
// The dialogue talks over `in` and `out` only and always ends with status 0.
// The commands never read `in`; what they produce goes to `out`, and every
// error goes to `err` as one line beginning "ugraph: ". Exit statuses: 0
// done; 1 a data-input could not be loaded; 2 a usage error (with a pointer
// to --help), a number out of range, or a file that cannot be read.
// before_dialogue, when given, is called right before the dialogue starts
// (the program sets its console's line ends there); file names in argv are
// UTF-8.
#include <functional>
#include <istream>
#include <ostream>

namespace ugraph {

int run_command_line(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& err, const std::function<void()>& before_dialogue = {});

}  // namespace ugraph
