#pragma once
// The commands that carry graphs to and from other programs' formats.
//
//   export_command  data-input `which` (a number, or "all": every data-input
//                   in file order, in one pass) of the data file (a
//                   DataSource: "-" is standard input) in `format`, the
//                   lists labelled from `base`, to `out` or, when `output`
//                   is given, as the whole content of that file (replaced
//                   safely, in one piece). A data-input that cannot be
//                   loaded, or that the format cannot hold, is told on
//                   `err`; with "all" the others are still written. "all"
//                   is only for the formats that hold several graphs. The
//                   isolated nodes an edge list cannot name are told.
//   import_command  every graph of `input` (a GraphInput: standard input
//                   when empty or "-") as one data-input in the written form
//                   a line, to `out`, or with `append` added to the data
//                   file in one safe replacement (the backup included), its
//                   other data-inputs kept. What the graphs meet on the way
//                   is told as ImportedGraphs tells it; self-loops are
//                   dropped, and the lines they stood on told.
//
// Both give 0 when everything was converted, 1 when a graph was refused, 2
// on a usage error, a number out of range, or a file that cannot be read or
// written.
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "interchange/format.hpp"

namespace ugraph {

struct ExportRequest {
    std::filesystem::path file;  // the data file, or "-"
    std::string which;           // a data-input number, or "all"
    Format format = Format::graph6;
    int base = 1;
    std::optional<std::filesystem::path> output;  // none: standard output
    Drawing drawing;                              // for the pictures and TikZ
};

int export_command(const ExportRequest& request, std::istream& in, std::ostream& out,
                   std::ostream& err);

struct ImportRequest {
    Format format = Format::graph6;
    std::string input;                // empty or "-": standard input
    std::optional<std::string> name;  // else the input's name without its extension
    int base = 1;
    bool append = false;
    std::filesystem::path file;  // the data file, for append
};

int import_command(const ImportRequest& request, std::istream& in, std::ostream& out,
                   std::ostream& err);

// "3 isolated nodes not written, as an edgelist cannot hold them", or
// nothing when the format holds every node of the graph; the `added` ones,
// which an input did not name, are not counted.
std::optional<std::string> unwritten_nodes(Format format, const UGraph& graph, int added = 0);

}  // namespace ugraph
