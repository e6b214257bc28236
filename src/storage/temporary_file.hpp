#pragma once
// TemporaryFile: the new content of a file while it is being written, in the
// file's own folder so that a rename can put it in place.
//
// create() makes an unnamed file where the platform offers one, so that
// nothing is left behind whatever happens to the program, and a named,
// exclusively created hidden one (".<name>.XXXXXX") where it does not; it
// gives 0 or the error with which the folder refused. seal() gives an
// unnamed file a fresh hidden name and closes it, checked, as the last step
// before the rename; 0 or the error, the file then discarded. discard()
// closes and removes it.
//
// link_to_fresh_name() tries an operation that makes a new name (a file, a
// link) on fresh hidden names beside a file until one is free; it gives the
// name taken, or nothing with `error` set.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "storage/platform.hpp"

namespace ugraph {

std::filesystem::path link_to_fresh_name(
    const std::filesystem::path& folder, const std::filesystem::path& name,
    const std::function<int(const std::filesystem::path&)>& make_name, int& error);

class TemporaryFile {
public:
    TemporaryFile(std::filesystem::path folder, std::filesystem::path name,
                  const Platform& platform)
        : folder_(std::move(folder)), name_(std::move(name)), platform_(platform) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { discard(); }

    int create(std::uint32_t mode);
    FileHandle file() const { return file_; }
    int seal();
    const std::filesystem::path& path() const { return path_; }
    void discard();
    // After the rename the file is the target's; nothing is left to remove.
    void release() { path_.clear(); }

private:
    std::filesystem::path folder_;
    std::filesystem::path name_;
    const Platform& platform_;
    FileHandle file_ = NO_FILE;
    std::filesystem::path path_;  // empty while it has no name
};

}  // namespace ugraph
