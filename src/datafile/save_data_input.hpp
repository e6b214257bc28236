#pragma once
// save_data_input: makes the graph the whole content of the data file.
//
// Shows the graph's written form as one line, waits for one character, then
// replaces the file by that text (no line end) with replace_file_contents,
// so a failed save leaves the old file exactly as it was. A failure is told
// in one line. A graph whose written form would pass MAX_DATA_INPUT_CHARS,
// which the loader could not read back, is not shown or saved; the user is
// told and the file kept. Gives true when the file now holds the graph.
#include <filesystem>

#include "console/console.hpp"
#include "datafile/file_replace.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

bool save_data_input(Console& console, const ArcArray& arc_from, const ArcArray& arc_to,
                     const GraphName& name, const std::filesystem::path& file = GRAPH_DATA_FILE,
                     const FileSystemCalls& calls = system_file_calls());

}  // namespace ugraph
