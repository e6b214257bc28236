#include "storage/temporary_file.hpp"

#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>
#include <utility>

namespace ugraph {

std::string link_to_fresh_name(const std::filesystem::path& folder, const std::string& name,
                               const std::function<int(const char* path)>& make_name) {
    static std::mt19937 draw{std::random_device{}()};
    constexpr std::string_view letters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int tries = 0; tries < 100; ++tries) {
        std::string hidden = ".";
        hidden += name;
        hidden += '.';
        for (int k = 0; k < 6; ++k) {
            hidden += letters[draw() % letters.size()];
        }
        std::string path = (folder / hidden).string();
        if (make_name(path.c_str()) == 0) {
            return path;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

bool TemporaryFile::create(mode_t mode) {
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd_ = calls_.open_unnamed(folder_.c_str(), mode);
        // Where the file system has no unnamed files, a named one will do.
        if (fd_ >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            return fd_ >= 0;
        }
    }
    // Built up piece by piece: GCC 12 sees a false overlap in one chained "+".
    std::string hidden = ".";
    hidden += name_;
    hidden += ".XXXXXX";
    std::string pattern = (folder_ / hidden).string();
    fd_ = calls_.make_temp(pattern.data());
    if (fd_ >= 0) {
        path_ = std::move(pattern);
    }
    return fd_ >= 0;
}

bool TemporaryFile::seal() {
    if (path_.empty()) {
        path_ = link_to_fresh_name(
            folder_, name_, [&](const char* path) { return calls_.name_unnamed(fd_, path); });
        if (path_.empty()) {
            discard();
            return false;
        }
    }
    if (calls_.close(std::exchange(fd_, -1)) != 0) {
        discard();
        return false;
    }
    return true;
}

void TemporaryFile::discard() {
    const int saved = errno;
    if (fd_ >= 0) {
        calls_.close(std::exchange(fd_, -1));
    }
    if (!path_.empty()) {
        calls_.remove(path_.c_str());
        path_.clear();
    }
    errno = saved;
}

}  // namespace ugraph
