#pragma once
// The sessions that change one data-input of the data file, or add one,
// rather than making a graph the file's whole content as the dialogue does.
//
//   edit_at_console  data-input N loaded (the echo, then what the dialogue
//                    shows once a number is chosen: the summary line, the
//                    report, "Change data?", the editor, the written form and
//                    its wait, the closing wait), then data-input N alone
//                    replaced by the written form, every other byte kept. A
//                    data-input with nodes and no link opens too. No lock is
//                    held while the user answers: the save is refused, in one
//                    "Error:" line, when the file is no longer the one loaded.
//   add_at_console   the dialogue's keyboard entry, the report and editor,
//                    then the graph appended as a new data-input on its own
//                    line (see append_data_inputs).
//   edit_by_script   data-input N with the links added and removed and the
//                    name set (see apply_link_edits), replaced in one locked
//                    rewrite; nothing is printed when it goes well.
// Each gives the exit status: EXIT_DONE when the file was changed,
// EXIT_NOT_LOADED when data-input N cannot be loaded or the keyboard entry
// ended before a graph was complete, EXIT_USAGE when the file cannot be read,
// holds no data-input N, or the change was refused; nothing is written then.
// Loading refusals go to the context's error stream, as the other commands
// tell theirs; what happens once the session has begun is told on the
// console, in the dialogue's words.
#include <filesystem>

#include "cli/command.hpp"
#include "graph/link_edits.hpp"

namespace ugraph {

int edit_at_console(CommandContext& context, const std::filesystem::path& file, int number);
int add_at_console(CommandContext& context, const std::filesystem::path& file);
int edit_by_script(CommandContext& context, const std::filesystem::path& file, int number,
                   const LinkEdits& edits);

}  // namespace ugraph
