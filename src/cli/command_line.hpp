#pragma once
// run_command_line: what ugraph does with its arguments.
//
//   ugraph [-f FILE]            the dialogue, on FILE instead of
//                               GraphDataFile2.txt when given
//   ugraph list [-f FILE]       one line per data-input of the file
//   ugraph show N [-f FILE]     the summary line and report of data-input N
//   ugraph help [COMMAND], --help, -h, COMMAND --help, --version
//
// The dialogue talks over `in` and `out` only (through the line editor,
// when one is made) and always ends with status 0.
// The commands never read `in`; what they produce goes to `out`, and every
// error goes to `err` as one line beginning "ugraph: ". Exit statuses: 0
// done; 1 a data-input could not be loaded; 2 a usage error (with a pointer
// to --help), a number out of range, a file that cannot be read, or output
// that cannot be written (see finish_output); 141 when the reader of a pipe
// went away. File names in argv are UTF-8.
#include <istream>
#include <memory>
#include <ostream>

#include "console/line_editor.hpp"

namespace ugraph {

// Gives the line editor the dialogue reads through, or nothing for the plain
// stream; asked only when the dialogue starts.
using LineEditorMaker = std::unique_ptr<LineEditor> (*)();

int run_command_line(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& err, LineEditorMaker line_editor = nullptr);

}  // namespace ugraph
