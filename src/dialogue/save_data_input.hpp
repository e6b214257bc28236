#pragma once
// save_data_input: makes the graph the whole content of the data file.
//
// Shows the graph's written form as one line, waits for one character, then
// replaces the file's content by it safely (see replace_file_contents),
// keeping the content it replaces as the file's name plus ".bak". The file
// is locked for the replacement only, after the key. Gives true when the
// file now holds the graph; a text the file already holds changes nothing.
// Tells in one line that it went ahead without a backup, and in one line
// ("Note: F is in use by another program; ...") that another program makes
// it wait.
//
// Refused, the file kept, with one line each:
//  - a graph whose written form would pass MAX_DATA_INPUT_CHARS, which the
//    loader could not read back: not shown and not saved;
//  - a graph without nodes (node count below 1), whose written form has no
//    node header and so could not be loaded either: shown, then refused
//    after the key;
//  - whatever replace_file_contents refuses, naming what refused: the link,
//    the file, its folder, the backup, or another program that kept the
//    file in use for 10 seconds.
//
// Its steps serve the commands that save one data-input (edit, add):
//   show_written_form  the written form and the wait for one character;
//                      gives the text to store, or nothing after telling why
//                      it cannot be stored (the first two refusals above).
//   waiting_told       the callback that tells the one "Note:" line of a wait.
//   tell_stored        the notes of a replacement that went ahead, or its
//                      failure behind "Error: "; gives whether it went.
// Where the previous content went under a name of the user's own, because
// another user's ".bak" stands in a sticky folder, that is told on `notes`
// (standard error) in the program's voice, so that the dialogue's own
// output stays as it always is.
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "common/result.hpp"
#include "console/console.hpp"
#include "graph/ugraph.hpp"
#include "storage/data_file.hpp"
#include "storage/file_replace.hpp"
#include "storage/platform.hpp"

namespace ugraph {

std::optional<std::string> show_written_form(Console& console, const UGraph& graph,
                                             const std::filesystem::path& file);
std::function<void()> waiting_told(Console& console, const std::filesystem::path& file);
bool tell_stored(Console& console, std::ostream& notes, const std::filesystem::path& file,
                 const Result<ReplaceReport>& stored);

bool save_data_input(Console& console, std::ostream& notes, const UGraph& graph,
                     const std::filesystem::path& file, const Platform& platform);

}  // namespace ugraph
