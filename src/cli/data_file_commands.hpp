#pragma once
// The commands that read the data file, each in one pass over it.
//
//   list_command  one line per data-input in file order, numbered as the
//                 dialogue lists them:
//                   1  "Path"  4 nodes  3 links
//                   4  cannot be loaded: <reason>
//                 (the same reasons the dialogue gives; a data-input without
//                 links is listed as a graph). Free text is not listed.
//                 Gives 0 when every data-input loads, 1 when any cannot, 2
//                 when the file cannot be read.
//   show_command  the summary line and the report of data-input N, the lines
//                 the dialogue prints after loading it. Gives 1 when it cannot
//                 be loaded, 2 when the file holds no data-input N or cannot
//                 be read.
// Both read the data file as a DataSource: "-" is standard input, `in`.
// list stops reading as soon as a write to `out` failed.
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>

#include "graph/ugraph.hpp"

namespace ugraph {

int list_command(const std::filesystem::path& file, std::istream& in, std::ostream& out,
                 std::ostream& err);

int show_command(const std::filesystem::path& file, int number, std::istream& in, std::ostream& out,
                 std::ostream& err);

// A name as a command shows it: in double quotes, with a backslash, a line
// end, a tab and any other control character written as an escape, so that
// one data-input always stays on one line.
std::string quoted_name(const GraphName& name);

}  // namespace ugraph
