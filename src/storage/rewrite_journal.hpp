#pragma once
// RewriteJournal: the whole old content of a file that is rewritten in
// place, kept and synced before the file is touched, so that whatever ends
// the rewrite (a failing write, sync or truncation, a kill, a power loss)
// the old content stays whole where ugraph knows to look, and the next run
// on the file puts it back before anything else.
//
// Where it is kept: beside the file as journal_name(NAME) (see
// hidden_names.hpp); where that folder refuses new files, in the user's
// state folder (Platform::state_folder) as "journal-DEVICE-INODE", named by
// the file it belongs to, since that folder holds journals of files of many
// folders. Its content: the line JOURNAL_MARK, the old content's length in
// decimal and a line end, then the old content. It is written under a fresh
// hidden name, synced, and only then renamed to the journal's name, so a
// journal found at its name is always whole.
//
//  - keep: makes the journal of the open file `old`; 0 or the error of the
//    folder beside the file (the state folder's is not told: it is the
//    fallback).
//  - content_start, file: where the old content begins in the open journal.
//  - put_back: the old content written into `out` from its first byte, the
//    file cut to its length and synced; 0 or the error.
//  - discard: removes the journal (the rewrite is over); where() its path.
//
// rewrite_journal_stands: whether a journal of the file stands, to be put
// back (a look at two names, nothing made).
//
// recover_interrupted_rewrite: where a journal of the file (locked
// exclusive, `status` its status) stands, the file gets the old content back
// and the journal goes; gives the journal's path when it did, nothing where
// there was none; refused in the system's words where the file could not be
// put back (the journal then stays, for a later run).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "common/result.hpp"
#include "storage/platform.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {

inline constexpr const char* JOURNAL_MARK = "ugraph journal of a rewrite in place";

class RewriteJournal {
public:
    RewriteJournal(std::filesystem::path file, const FileStatus& status, const Platform& platform);

    int keep(FileHandle old);
    FileHandle file() const { return journal_.get(); }
    std::uint64_t content_start() const { return start_; }
    int put_back(FileHandle out) const;
    void discard();
    const std::filesystem::path& where() const { return path_; }

private:
    int keep_in(const std::filesystem::path& folder, const std::filesystem::path& at,
                FileHandle old);

    std::filesystem::path file_;
    FileStatus status_;
    const Platform& platform_;
    UniqueFile journal_;
    std::uint64_t start_ = 0;
    std::filesystem::path path_;
};

bool rewrite_journal_stands(const std::filesystem::path& file, const FileStatus& status,
                            const Platform& platform);

Result<std::optional<std::filesystem::path>> recover_interrupted_rewrite(
    const std::filesystem::path& file, const FileStatus& status, const Platform& platform);

}  // namespace ugraph
