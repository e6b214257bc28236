#pragma once
// FileSystemCalls: the system calls a save makes, gathered so that a test
// can make any one of them fail ("the disk was full", "close failed") and
// see what the save does then.
#include <sys/types.h>

namespace ugraph {

struct FileSystemCalls {
    int (*open_unnamed)(const char* folder, mode_t mode);  // O_TMPFILE in the folder
    int (*name_unnamed)(int fd, const char* path);         // gives it a name
    int (*make_temp)(char* path_template);                 // mkstemp
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*sync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*remove)(const char* path);
    int (*link)(const char* from, const char* to);
    int (*truncate)(int fd, off_t length);
};

const FileSystemCalls& system_file_calls();

}  // namespace ugraph
