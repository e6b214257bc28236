#pragma once
// The options several commands share and how their values are read, each
// rule in one place.
//
//   value_option        an option that keeps the last value given, so that
//                       one given twice is told in the program's words
//                       rather than refused by the parser.
//   file_option         -f,--file bound to `target`, with its help.
//   base_option         --base 0|1 with its help and where it applies.
//   read_format_names,  the formats import and convert read, and those
//   written_format_names  export and convert write, in the table's order.
//   listed              "a, b or c" (or "a, b and c").
//   format_of           the format typed after `option`, one of `names`;
//                       refused with the usage error's words.
//   base_of             --base as typed, where one of `formats` gives it a
//                       meaning (1 when it was not given); refused likewise.
//   data_input_number   a data-input number as typed (digits only, 1 or
//                       more), or none.
//   output_of           -o as typed: none for standard output ("" or "-").
//   numbered_file       OUTFILE with "-N" before its extension: g.svg, 3
//                       gives g-3.svg (in OUTFILE's folder).
//   DrawingOptions      --layout and --standalone of export and convert,
//                       and the Drawing they ask for; an unknown layout is
//                       refused with the usage error's words.
//   unwritten_nodes     "3 isolated nodes not written, as an edgelist cannot
//                       hold them", or nothing when the format holds every
//                       node of the graph; the `added` ones, which an input
//                       did not name, are not counted.
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/ugraph.hpp"
#include "interchange/format.hpp"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace ugraph {

CLI::Option* value_option(CLI::App& command, const std::string& names, std::string& target,
                          const std::string& value_name, const std::string& help);
CLI::Option* file_option(CLI::App& command, std::string& target, const std::string& help);
CLI::Option* base_option(CLI::App& command, std::string& target, const std::string& where);

struct DrawingOptions {
    std::string layout = "neato";
    bool standalone = false;
    void declare(CLI::App& command);
    Result<Drawing> drawing() const;
};

// The help of -f for the commands that only read the data file.
inline constexpr const char* READ_FILE_HELP =
    "the data file (default GraphDataFile2.txt; - reads it from standard input)";
inline constexpr const char* OUTPUT_HELP =
    "write to this file (default: standard output, also for -)";
inline constexpr const char* INPUT_HELP = "the file to read (default: standard input, also for -)";

std::vector<std::string> read_format_names();
std::vector<std::string> written_format_names();
std::vector<std::string> several_graph_format_names();
std::vector<std::string> labelled_format_names();
std::string listed(const std::vector<std::string>& names, std::string_view last_joint = " or ");

Result<Format> format_of(const std::string& typed, const std::string& option,
                         const std::vector<std::string>& names, const std::string& command);
Result<int> base_of(bool given, const std::string& typed, std::initializer_list<Format> formats);

std::optional<int> data_input_number(std::string_view typed);
std::optional<std::filesystem::path> output_of(const std::string& typed);
std::filesystem::path numbered_file(const std::filesystem::path& outfile, int number);

std::optional<std::string> unwritten_nodes(Format format, const UGraph& graph, int added = 0);

}  // namespace ugraph
