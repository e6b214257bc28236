#include "storage/temporary_file.hpp"

#include <cerrno>
#include <utility>

#include "storage/hidden_names.hpp"

namespace ugraph {

int TemporaryFile::create(std::uint32_t mode) {
    FileHandle file = NO_FILE;
    int error = platform_.open_unnamed(folder_, mode, file);
    // Where the file system has no unnamed files, a named one will do.
    if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL) {
        path_ = link_to_fresh_name(
            folder_, name_,
            [&](const std::filesystem::path& path) { return platform_.create_new(path, file); },
            error);
    }
    if (error == 0) {
        file_ = file;
    }
    return error;
}

int TemporaryFile::seal() {
    int error = 0;
    if (path_.empty()) {
        path_ = link_to_fresh_name(
            folder_, name_,
            [&](const std::filesystem::path& path) { return platform_.name_unnamed(file_, path); },
            error);
        if (path_.empty()) {
            discard();
            return error;
        }
    }
    error = platform_.close(std::exchange(file_, NO_FILE));
    if (error != 0) {
        discard();
    }
    return error;
}

void TemporaryFile::discard() {
    if (file_ != NO_FILE) {
        (void)platform_.close(std::exchange(file_, NO_FILE));
    }
    if (!path_.empty()) {
        (void)platform_.remove(path_);
        path_.clear();
    }
}

}  // namespace ugraph
