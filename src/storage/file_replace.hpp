#pragma once
// replace_file_contents: makes a text the whole content of a file, keeping
// what a plain overwrite would keep, so that a failure leaves the complete
// old content or the complete new one.
//
// The usual way: the text goes into an unnamed temporary file in the file's
// folder (a named, exclusively created one where the system has none), is
// synced, given a hidden name and renamed over the file, and the folder is
// synced. Signals that end the program wait until it is done (see
// Platform::hold_ending_signals), so even a named temporary file is left
// behind only by a kill or a power loss in the microseconds between its
// naming and the rename.
//
// Rewritten in place instead, where a rename would lose something: the file
// has further hard links, its owner or group cannot be given to a new file,
// or its folder refuses new files while the file itself is writable. The old
// content is read into memory first; on any failure the program sees it is
// written back and synced. Only there can a kill or a power loss during the
// rewrite leave the file short; the backup then holds the old content.
//
// Kept: a symbolic link (followed only as follow_links_safely allows) stays a
// link and its target receives the text; the permission bits, owner and
// group stay. A file that already holds exactly the text is not touched.
//
// With keep_backup, the content being replaced is kept as the file's name
// plus ".bak" beside it (a hard link to the old file where possible, else a
// copy written the same safe way, with the file's permission bits); if that
// fails nothing is replaced, unless the folder refuses new files, in which
// case the file is rewritten in place without a backup and the result says
// so. Whatever stood at the backup's name (an older backup, a link, a
// read-only file) is replaced, never followed or rewritten, except that a
// folder refusing new files leaves only the rewrite of a writable one.
//
// Refused before anything is written: a link the rule does not follow, a
// target that is not a regular file, and one the user may not write to.
//
// Every call to the system goes through the platform given, the system's
// own by default. The words for a refusal are in storage_messages.hpp.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "storage/platform.hpp"

namespace ugraph {

struct ReplaceOptions {
    bool keep_backup = false;
    std::optional<std::uint32_t> mode;  // permission bits for a new file, instead of the usual ones
    bool is_backup = false;             // the file is a backup: replaced whatever stands there
};

// How a replacement went. A refusal's kind names what refused (link, file,
// folder, backup) and its reason is in the system's words, e.g.
// "Permission denied".
struct ReplaceReport {
    bool unchanged = false;                 // the file already held the text
    bool in_place = false;                  // rewritten in place
    bool backup_kept = false;               // the old content is in the ".bak" file
    bool backup_refused_by_folder = false;  // in place without a backup
};

Result<ReplaceReport> replace_file_contents(const std::filesystem::path& file,
                                            std::string_view text,
                                            const ReplaceOptions& options = {},
                                            const Platform& platform = system_platform());

}  // namespace ugraph
