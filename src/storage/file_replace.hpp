#pragma once
// replace_file_contents: makes a text the whole content of a file, keeping
// what a plain overwrite would keep, so that a failure leaves the complete
// old content or the complete new one. edit_file_contents: the same for a
// new content made of pieces of the old one around a text (a Splice), which
// are copied a buffer at a time, so memory does not grow with the file.
//
// One replacement at a time: the file is locked exclusive (see lock_file)
// from before its old content is read to the last step, waiting as the
// options say; a reader's shared lock makes it wait too. A file missing at
// first is made only if still nothing stands at its name when the new one is
// put there; otherwise everything begins again on the file that appeared.
// Signals that end the program wait while the file is replaced (see
// Platform::hold_ending_signals), not while the lock is awaited.
//
// The usual way: the new content goes into an unnamed temporary file in the
// file's folder (a named, exclusively created one where the system has
// none), is synced, given a hidden name and renamed over the file, and the
// folder is synced.
//
// Rewritten in place instead, where a rename would lose something: the file
// has further hard links, its owner or group cannot be given to a new file,
// or its folder refuses new files while the file itself is writable. The old
// content from the first byte that changes on is read into memory first and
// written back on any failure, a write past the user's file size limit
// included. Only a kill or a power loss during the rewrite can leave the
// file short; the backup then holds the old content.
//
// Kept: a symbolic link (followed only as follow_links_safely allows) stays a
// link and its target receives the content; the permission bits, owner and
// group stay. A file that already holds exactly the text is not touched.
//
// With keep_backup, the content being replaced is kept as the file's name
// plus ".bak" beside it: the old file itself under that second name where
// possible, else a copy with the file's permission bits (always a copy for a
// rewrite in place, which would write through a second name). The ".bak" is
// only ever replaced by a rename, never written: whatever stood there (an
// older backup, a link, a read-only file) is kept aside under a hidden name
// until the new content is in place, put back if the replacement fails, and
// removed once it succeeded. A folder at that name refuses the backup. If the
// backup cannot be made, nothing is replaced, with one exception: a rewrite
// in place in a folder that refuses new files has nowhere to keep it, goes
// on without one, and the result says so.
//
// What a kill leaves, the next replacement clears before anything else:
// every hidden name of the file and of its backup (see hidden_names.hpp),
// and a ".bak" that is the file itself (a kill between the backup and the
// rename), which then already holds the content being replaced and is kept
// as the backup.
//
// Refused before anything is written: a link the rule does not follow, a
// target that is not a regular file, one the user may not write to, and one
// another program keeps locked past the patience (kind busy).
//
// Every call to the system goes through the platform given, the system's
// own by default. The words for a refusal are in storage_messages.hpp.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "common/result.hpp"
#include "storage/file_io.hpp"
#include "storage/file_lock.hpp"
#include "storage/platform.hpp"

namespace ugraph {

struct ReplaceOptions {
    bool keep_backup = false;
    std::function<void()> waiting{};  // told once, when another program makes it wait
    std::chrono::milliseconds patience = LOCK_PATIENCE;
};

// How a replacement went. A refusal's kind names what refused (link, file,
// folder, backup, busy) and its reason is in the system's words, e.g.
// "Permission denied".
struct ReplaceReport {
    bool unchanged = false;                 // the file already held the text
    bool in_place = false;                  // rewritten in place
    bool backup_kept = false;               // the old content is in the ".bak" file
    bool backup_refused_by_folder = false;  // in place without a backup
};

// The new content: old[0, keep) + insert + old[keep + drop, end), where the
// old content is empty for a file yet to be made.
struct Splice {
    std::uint64_t keep = 0;
    std::string_view insert;
    std::uint64_t drop = TO_THE_END;
};

// Given the old file, locked (NO_FILE where there is none yet) and its
// status, gives the splice to make, or a refusal that is passed on as it is.
using Planner = std::function<Result<Splice>(FileHandle old, const FileStatus& status)>;

Result<ReplaceReport> replace_file_contents(const std::filesystem::path& file,
                                            std::string_view text,
                                            const ReplaceOptions& options = {},
                                            const Platform& platform = system_platform());

Result<ReplaceReport> edit_file_contents(const std::filesystem::path& file, const Planner& plan,
                                         const ReplaceOptions& options = {},
                                         const Platform& platform = system_platform());

}  // namespace ugraph
