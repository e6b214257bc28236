#pragma once
// The part the commands that change data-inputs in place (delete, rename,
// move) share: the data file they name rewritten by one edit (see
// edit_data_file), and what is told about it.
//
//   edit_or_tell  `file` as -f gave it, rewritten by `edit`. "-" is refused
//                 as a usage error of the command, since the data file must
//                 be written. Silent when done, but for the notes of a
//                 backup kept elsewhere or not at all; a refusal is told in
//                 one line (see edit_data_file), nothing written. Gives
//                 EXIT_DONE or EXIT_USAGE.
//   look_or_tell  the same for an edit that would change nothing (move N
//                 N): the data-inputs of `numbers` looked for under a shared
//                 lock and refused as the edit would refuse them, nothing
//                 written, so that no backup replaces the one there was.
//   EDITED_FILE_HELP  the help of their -f.
#include <span>
#include <string>
#include <string_view>

#include "cli/command.hpp"
#include "storage/edit_data_file.hpp"

namespace ugraph {

inline constexpr const char* EDITED_FILE_HELP =
    "the data file (default GraphDataFile2.txt), rewritten with its previous content kept as "
    "FILE.bak";

int edit_or_tell(CommandContext& context, const Parsed& parsed, const std::string& file,
                 const DataFileEdit& edit, std::string_view undone);
int look_or_tell(CommandContext& context, const Parsed& parsed, const std::string& file,
                 std::span<const int> numbers, std::string_view undone);

}  // namespace ugraph
