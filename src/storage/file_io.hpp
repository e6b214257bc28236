#pragma once
// The plain file operations of a save: writing a whole text through the
// staged calls, reading a whole file, syncing a folder.
#include <filesystem>
#include <string>
#include <string_view>

#include "storage/file_system_calls.hpp"

namespace ugraph {

// Writes all of the text, going on after short writes; false with errno set
// on failure (ENOSPC for a write that took nothing).
bool write_all(const FileSystemCalls& calls, int fd, std::string_view text);

// The whole content of an open file, read from its first byte.
bool read_all(int fd, std::string& content);

// Makes a rename in the folder durable. Some file systems cannot sync a
// folder; the rename stands anyway.
void sync_folder(const std::filesystem::path& folder);

}  // namespace ugraph
