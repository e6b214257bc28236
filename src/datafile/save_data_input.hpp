#pragma once
// save_data_input: makes the graph the whole content of the data file.
//
// Shows the graph's written form as one line, waits for one character, then
// stores it with store_data_input. Gives true when the file now holds the
// graph.
//
// store_data_input: the safe replacement of the file's content by one
// data-input's text (see replace_file_contents), keeping the content it
// replaces as the file's name plus ".bak". Tells in one line why a save was
// refused, or that it went ahead without a backup; a text the file already
// holds changes nothing.
//
// Refused, the file kept, with one line each:
//  - a graph whose written form would pass MAX_DATA_INPUT_CHARS, which the
//    loader could not read back: not shown and not saved;
//  - a graph without nodes (node count below 1), whose written form has no
//    node header and so could not be loaded either: shown, then refused
//    after the key;
//  - whatever replace_file_contents refuses, naming what refused: the link,
//    the file, its folder, or the backup.
#include <filesystem>
#include <string_view>

#include "console/console.hpp"
#include "datafile/data_file.hpp"
#include "datafile/file_replace.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

bool save_data_input(Console& console, const ArcArray& arc_from, const ArcArray& arc_to,
                     const GraphName& name, const std::filesystem::path& file = GRAPH_DATA_FILE,
                     const FileSystemCalls& calls = system_file_calls());

bool store_data_input(Console& console, std::string_view text, const std::filesystem::path& file,
                      const FileSystemCalls& calls = system_file_calls());

// Why a replacement of `file` failed, e.g. "cannot write file
// GraphDataFile2.txt (Permission denied); it was left as it was"; the
// dialogue tells it behind "Error: ", the commands behind "ugraph: ".
std::string replace_failure(const std::filesystem::path& file, const ReplaceResult& result);

}  // namespace ugraph
