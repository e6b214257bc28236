#pragma once
// The words storage tells the user, all in one place. The dialogue tells a
// failure behind "Error: " and a note behind "Note: "; the commands tell
// both behind "ugraph: ".
//  - LINK_REFUSED_REASON, NOT_REGULAR_REASON: reasons that complete
//    "... (reason)" where the system has no words of its own.
//  - replace_failure: why a replacement of a file failed, from its refusal.
//  - no_backup_note: a file rewritten in place without a backup.
//  - cannot_read: why the data file cannot be read; not_closed_at_end: why
//    nothing was appended to it.
#include <filesystem>
#include <string>

#include "common/result.hpp"

namespace ugraph {

inline constexpr const char* LINK_REFUSED_REASON =
    "a symbolic link in a sticky world-writable folder that belongs to neither you nor the "
    "folder's owner";
inline constexpr const char* NOT_REGULAR_REASON = "not a regular file";

// E.g. "cannot write file GraphDataFile2.txt (Permission denied); it was
// left as it was"; worded by the refusal's kind (link, folder, backup).
std::string replace_failure(const std::filesystem::path& file, const Refusal& refusal);

// The file was rewritten in place because its folder refuses new files.
std::string no_backup_note(const std::filesystem::path& file);

// "cannot read F (reason)".
std::string cannot_read(const std::filesystem::path& file, const std::string& reason);

// The file's last data-input has no "]", so nothing could go after it.
std::string not_closed_at_end(const std::filesystem::path& file);

}  // namespace ugraph
