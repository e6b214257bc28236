#pragma once
// rewrite_file: makes a file's content what a function writes, given the
// old content as a stream: under the file's lock, so that a failure or a
// kill at any instant leaves the complete old content or the complete new
// one, never a mix, and nothing of the old is lost. replace_file_contents:
// the same with a text as the new content. Memory does not grow with the
// file: the old content streams in and the new one streams out.
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
// or its folder refuses new files while the file itself is writable. Its
// whole old content is first kept in a journal (see rewrite_journal.hpp),
// synced, beside the file or, where the folder refuses new files, in the
// user's state folder; the function then reads the old content from the
// journal and writes over the file, which is cut to the new length and
// synced, and the journal goes. On any failure the journal is written back;
// if even that fails, it stays and the refusal says where it is; after a
// kill or a power loss, the next run of ugraph on the file puts it back (see
// lock_file). Where no journal can be kept anywhere, nothing is written.
//
// Kept: a symbolic link (followed only as follow_links_safely allows) stays a
// link and its target receives the content; the permission bits, owner and
// group stay. A file that already holds exactly the text is not touched.
//
// With keep_backup, the content being replaced is kept as the file's name
// plus ".bak" beside it: the old file itself under that second name where
// possible, else a copy with the file's permission bits (always a copy for a
// rewrite in place, which would write through a second name). The ".bak" is
// only ever replaced by a rename, never written (see backup_swap.hpp). A
// folder at that name refuses the backup. Where a ".bak" of another user's
// stands in a folder that lets only its owner replace it (a sticky
// world-writable one), the backup goes to NAME.bak-UID instead, UID the
// saving user's number, and the result says where. If the backup cannot be
// made, nothing is replaced, with one exception: a rewrite in place in a
// folder that refuses new files has nowhere beside the file to keep it, goes
// on without one (its journal keeps the old content meanwhile), and the
// result says so.
//
// What a kill leaves, the next replacement clears before anything else:
// every hidden name of ugraph's beside the file and its backup (see
// hidden_names.hpp), a file yet to be made included,
// and a ".bak" that is the file itself (a kill between the backup and the
// rename), which then already holds the content being replaced and is kept
// as the backup.
//
// Refused before anything is written: a link the rule does not follow, a
// target that is not a regular file, one the user may not write to, and one
// another program keeps locked past the patience (kind busy).
//
// Every call to the system goes through the platform given. The words for a
// refusal are in storage_messages.hpp; a refusal of the function is passed
// on as it is.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <ostream>
#include <string_view>

#include "common/result.hpp"
#include "storage/file_lock.hpp"
#include "storage/platform.hpp"

namespace ugraph {

struct ReplaceOptions {
    bool keep_backup = false;
    std::function<void()> waiting{};  // told once, when another program makes it wait
    std::chrono::milliseconds patience = LOCK_PATIENCE;
    std::function<void()> reached{};  // told once the file is open and locked
};

// How a replacement went. A refusal's kind names what refused (link, file,
// folder, backup, busy) and its reason is in the system's words, e.g.
// "Permission denied"; a refusal of kind reason is a whole sentence.
struct ReplaceReport {
    bool backup_refused_by_folder = false;   // in place without a backup
    std::filesystem::path backup_elsewhere;  // the backup's name where it is not NAME.bak
};

// The old content, as the function of a rewrite reads it: a stream from its
// first byte (empty for a file yet to be made); rewind() starts it again.
class OldContent {
public:
    OldContent() = default;
    OldContent(const OldContent&) = delete;
    OldContent& operator=(const OldContent&) = delete;
    virtual ~OldContent() = default;
    virtual bool exists() const = 0;
    virtual std::istream& stream() = 0;
    virtual void rewind() = 0;
};

// Writes the new content to `out`; a refusal stops the rewrite with the file
// kept. A read of the old content that fails makes its stream bad, and the
// rewrite is refused for it, as for a write to `out` that fails.
using Rewrite = std::function<Result<>(OldContent& old, std::ostream& out)>;

Result<ReplaceReport> rewrite_file(const std::filesystem::path& file, const Rewrite& rewrite,
                                   const ReplaceOptions& options, const Platform& platform);

Result<ReplaceReport> replace_file_contents(const std::filesystem::path& file,
                                            std::string_view text, const ReplaceOptions& options,
                                            const Platform& platform);

}  // namespace ugraph
