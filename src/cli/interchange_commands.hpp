#pragma once
// The commands that carry graphs to and from other programs' formats.
//
//   export_command  data-input `which` (a number, or "all": every data-input
//                   in file order, in one pass) of the data file in `format`,
//                   to `out` or, when `output` is given, as the whole content
//                   of that file (replaced safely, in one piece). A data-input
//                   that cannot be loaded, or that the format cannot hold, is
//                   told on `err`; with "all" the others are still written.
//                   "all" is only for the formats that hold several graphs.
//   import_command  every graph of `input` (standard input when empty or
//                   "-") as one data-input in the written form a line, to
//                   `out`, or with `append` added to the data file in one safe
//                   replacement (the backup included), its other data-inputs
//                   kept. A graph that does not fit a Ugraph is told on `err`
//                   with its input line and the reason; the others are still
//                   converted. Self-loops are dropped, and said so.
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

int export_command(const std::filesystem::path& file, std::string_view which, Format format,
                   const std::optional<std::filesystem::path>& output, std::ostream& out,
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

// The name of an imported graph: `base` with every character a stored name
// may not hold (and every control character) made '_', cut so that the
// running number, when there is one, still fits in the name's 15 characters;
// a cut never splits a UTF-8 character.
std::string imported_name(std::string_view base, std::optional<long> number);

}  // namespace ugraph
