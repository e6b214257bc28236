#include "storage/temporary_file.hpp"

#include <cerrno>
#include <random>
#include <string_view>
#include <utility>

namespace ugraph {

std::filesystem::path link_to_fresh_name(
    const std::filesystem::path& folder, const std::filesystem::path& name,
    const std::function<int(const std::filesystem::path&)>& make_name, int& error) {
    static std::mt19937 draw{std::random_device{}()};
    constexpr std::string_view letters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    error = EEXIST;
    for (int tries = 0; tries < 100 && error == EEXIST; ++tries) {
        std::string mark = ".";
        for (int k = 0; k < 6; ++k) {
            mark += letters[draw() % letters.size()];
        }
        // Built as a path: on Windows a name made through a narrow string
        // would lose what its code page cannot spell.
        std::filesystem::path hidden(".");
        hidden += name;
        hidden += mark;
        std::filesystem::path path = folder / hidden;
        error = make_name(path);
        if (error == 0) {
            return path;
        }
    }
    return {};
}

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
