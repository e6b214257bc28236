#pragma once
// TemporaryFile: the new content of a file while it is being written, in the
// file's own folder so that a rename can put it in place.
//
// create() makes an unnamed file where the platform offers one, so that
// nothing is left behind whatever happens to the program, and a named,
// exclusively created one with a hidden name of `name` (see hidden_names.hpp)
// where it does not; it gives 0 or the error with which the folder refused.
// seal() gives an unnamed file a fresh hidden name and closes it, checked,
// as the last step before the rename; 0 or the error, the file then
// discarded. discard() closes and removes it.
#include <cstdint>
#include <filesystem>
#include <string>

#include "storage/platform.hpp"

namespace ugraph {

class TemporaryFile {
public:
    TemporaryFile(std::filesystem::path folder, std::string name, const Platform& platform)
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
    std::string name_;
    const Platform& platform_;
    FileHandle file_ = NO_FILE;
    std::filesystem::path path_;  // empty while it has no name
};

}  // namespace ugraph
