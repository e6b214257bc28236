#include "datafile/file_access.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ugraph {
namespace fs = std::filesystem;
namespace {

constexpr int MAX_LINK_HOPS = 40;

fs::path folder_of(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// The kernel's rule (fs.protected_symlinks): in a folder that is sticky and
// writable for all, a link is followed only when its owner is the one who
// follows it or the folder's owner.
bool may_follow(const struct stat& link, const fs::path& folder) {
    struct stat folder_status {};
    if (::stat(folder.c_str(), &folder_status) != 0) {
        return false;
    }
    const bool sticky_and_open =
        (folder_status.st_mode & S_ISVTX) != 0 && (folder_status.st_mode & S_IWOTH) != 0;
    return !sticky_and_open || link.st_uid == ::geteuid() || link.st_uid == folder_status.st_uid;
}

}  // namespace

ResolvedPath follow_links_safely(const fs::path& path) {
    ResolvedPath resolved{path};
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat status {};
        if (::lstat(resolved.target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return resolved;
        }
        const fs::path folder = folder_of(resolved.target);
        if (!may_follow(status, folder)) {
            resolved.link_refused = true;
            return resolved;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(resolved.target, ec);
        if (ec) {
            resolved.error = ec.value();
            return resolved;
        }
        resolved.target = next.is_absolute() ? next : folder / next;
    }
    resolved.error = ELOOP;
    return resolved;
}

UniqueFd open_regular_file(const fs::path& target, std::string& why) {
    // O_NOFOLLOW: a link put in place since the path was resolved is refused.
    UniqueFd fd(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) {
        why = std::strerror(errno);
        return fd;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        why = std::strerror(errno);
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        why = S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "not a regular file";
        return {};
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    }
    return fd;
}

}  // namespace ugraph
