#pragma once
// The words storage gives its callers to tell the user (the reasons in the
// system's words come from Platform::describe). The dialogue tells a
// failure behind "Error: " and a note behind "Note: "; the commands tell
// both behind "ugraph: ".
//  - LINK_REFUSED_REASON, NOT_REGULAR_REASON, in_use_reason: reasons that
//    complete "... (reason)" where the system has no words of its own.
//  - waiting_note: the one line told when another program's lock makes a
//    reader or a writer wait.
//  - replace_failure: why a replacement of a file failed, from its refusal;
//    a refusal of kind reason is the whole sentence already.
//  - missing_folder: a file to be made in a folder that does not exist.
//  - no_backup_note: a file rewritten in place without a backup.
//  - rewrite_undone_note: an interrupted rewrite in place that a later run
//    undid; interrupted_rewrite_stands: one it could not undo.
//  - rewrite_not_undone: a rewrite in place that failed and whose old
//    content is in its journal, for the next run to put back.
//  - cannot_read: why the data file cannot be read; not_closed_at_end: why
//    nothing was appended to it; edit_refused: why an edit of its
//    data-inputs changed nothing.
#include <filesystem>
#include <string>
#include <string_view>

#include "common/result.hpp"

namespace ugraph {

inline constexpr const char* LINK_REFUSED_REASON =
    "a symbolic link in a sticky world-writable folder that belongs to neither you nor the "
    "folder's owner";
inline constexpr const char* NOT_REGULAR_REASON = "not a regular file";

// "still in use by another program after 10 seconds", from LOCK_PATIENCE.
std::string in_use_reason();

// "F is in use by another program; waiting up to 10 seconds for it".
std::string waiting_note(const std::filesystem::path& file);

// E.g. "cannot write file GraphDataFile2.txt (Permission denied); it was
// left as it was"; worded by the refusal's kind (link, folder, backup,
// busy).
std::string replace_failure(const std::filesystem::path& file, const Refusal& refusal);

// "cannot write F: its folder D does not exist; nothing was written".
std::string missing_folder(const std::filesystem::path& file, const std::filesystem::path& folder);

// The file was rewritten in place because its folder refuses new files.
std::string no_backup_note(const std::filesystem::path& file);

// Another user's backup could not be replaced; F's previous content is in B.
std::string backup_elsewhere_note(const std::filesystem::path& file,
                                  const std::filesystem::path& backup);

std::string rewrite_undone_note(const std::filesystem::path& file,
                                const std::filesystem::path& journal);
std::string interrupted_rewrite_stands(const std::filesystem::path& file,
                                       const std::string& reason);
std::string rewrite_not_undone(const std::filesystem::path& file, const std::string& reason,
                               const std::filesystem::path& journal);

// "cannot read F (reason)".
std::string cannot_read(const std::filesystem::path& file, const std::string& reason);

// The file's last data-input has no "]", so nothing could go after it.
std::string not_closed_at_end(const std::filesystem::path& file);

// "nothing was deleted from F: there is no data-input 7; the data file
// holds 5", from what was undone and the edit's reason.
std::string edit_refused(const std::filesystem::path& file, std::string_view undone,
                         const std::string& reason);

}  // namespace ugraph
