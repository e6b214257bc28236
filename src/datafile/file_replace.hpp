#pragma once
// replace_file_contents: makes a text the whole content of a file so that a
// failure at any moment (full disk, kill, crash, power loss) leaves either
// the complete old content or the complete new one, never a mix or a stub.
//
// The text goes to a new temporary file beside the target, created
// exclusively; every write, the sync and the close are checked; only then is
// it renamed over the target and the folder synced. A target that is a
// symbolic link stays a link: the file it leads to is replaced. The target's
// permission bits (and, where allowed, its owner) carry over to the new file;
// a new file gets the usual 0666 less the umask.
//
// Refused before anything is written: a target that exists but is not a
// regular file (a folder, say) or that the user may not write to. On any
// failure the temporary file is removed, the target is untouched, and
// `error` says why in a few words (the system's own, e.g. "No space left on
// device").
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace ugraph {

// The system calls a replacement makes, so tests can make any of them fail.
struct FileSystemCalls {
    int (*make_temp)(char* path_template);  // mkstemp
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*sync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*remove)(const char* path);
};

const FileSystemCalls& system_file_calls();

bool replace_file_contents(const std::filesystem::path& target, std::string_view text,
                           std::string& error, const FileSystemCalls& calls = system_file_calls());

}  // namespace ugraph
