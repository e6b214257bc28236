#pragma once
// convert_command: every graph of `input` (a GraphInput: standard input
// when empty or "-") from one format that import reads into one that export
// writes, graph by graph, without a data file: what import would make a
// data-input of is what export would write of it, through the same limits
// (50 nodes, 624 links) and told in the same lines, "line L of INPUT: ...".
// As no data-input stands between, a self-loop stays where the format to
// holds one (graph6 refuses the graph, as export does). The graphs get the
// names import would give them (for DOT, the only format that writes them).
// The lists on either side are labelled from `base`. Output goes to `out`,
// or as the whole content of `output`, replaced in one piece.
//
// An input of more than one graph into a format that holds one is refused
// before anything is written. Gives 0 when every graph was converted, 1 when
// one was refused, 2 on a usage error or a file that cannot be read or
// written.
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "interchange/format.hpp"

namespace ugraph {

struct ConvertRequest {
    Format from = Format::graph6;
    Format to = Format::graph6;
    std::string input;  // empty or "-": standard input
    std::optional<std::string> name;
    int base = 1;
    std::optional<std::filesystem::path> output;  // none: standard output
    Drawing drawing;                              // for the pictures and TikZ
};

int convert_command(const ConvertRequest& request, std::istream& in, std::ostream& out,
                    std::ostream& err);

}  // namespace ugraph
