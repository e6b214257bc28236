#pragma once
// TemporaryFile: the new content of a file while it is being written, in the
// file's own folder so that a rename can put it in place.
//
// create() makes an unnamed file (O_TMPFILE) where the system offers one, so
// that nothing is left behind whatever happens to the program, and a named,
// exclusively created hidden one (".<name>.XXXXXX") where it does not; it
// gives false with errno set when the folder refuses. seal() gives an
// unnamed file a fresh hidden name and closes it, checked, as the last step
// before the rename. discard() closes and removes it, keeping errno.
//
// link_to_fresh_name() tries an operation that makes a new name (a link) on
// fresh hidden names beside a file until one is free; it gives the name
// taken, or nothing with errno set.
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>

#include "storage/file_system_calls.hpp"

namespace ugraph {

std::string link_to_fresh_name(const std::filesystem::path& folder, const std::string& name,
                               const std::function<int(const char* path)>& make_name);

class TemporaryFile {
public:
    TemporaryFile(std::filesystem::path folder, std::string name, const FileSystemCalls& calls)
        : folder_(std::move(folder)), name_(std::move(name)), calls_(calls) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { discard(); }

    bool create(mode_t mode);
    int fd() const { return fd_; }
    bool seal();
    const std::string& path() const { return path_; }
    void discard();
    // After the rename the file is the target's; nothing is left to remove.
    void release() { path_.clear(); }

private:
    std::filesystem::path folder_;
    std::string name_;
    const FileSystemCalls& calls_;
    int fd_ = -1;
    std::string path_;  // empty while it has no name
};

}  // namespace ugraph
