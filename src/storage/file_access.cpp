#include "storage/file_access.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>

namespace ugraph {
namespace fs = std::filesystem;
namespace {

constexpr int MAX_LINK_HOPS = 40;

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

// Walks the path a component at a time, as the kernel does, so the rule is
// applied to every link on the way, not only to the last one: a stranger's
// link to a folder would lead a save as far as a link to the file would.
ResolvedPath follow_links_safely(const fs::path& path) {
    ResolvedPath resolved;
    fs::path walked = path.has_root_directory() ? path.root_path() : fs::path();
    const fs::path relative = path.relative_path();
    std::deque<fs::path> rest(relative.begin(), relative.end());
    int hops = 0;
    while (!rest.empty()) {
        const fs::path part = rest.front();
        rest.pop_front();
        if (part.empty() || part == ".") {
            continue;
        }
        const fs::path next = walked / part;
        struct stat status {};
        if (part == ".." || ::lstat(next.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            walked = next;  // a missing part resolves to itself, and the rest after it
            continue;
        }
        if (++hops > MAX_LINK_HOPS) {
            resolved.error = ELOOP;
            return resolved;
        }
        if (!may_follow(status, walked.empty() ? fs::path(".") : walked)) {
            resolved.link_refused = true;
            return resolved;
        }
        std::error_code ec;
        const fs::path target = fs::read_symlink(next, ec);
        if (ec) {
            resolved.error = ec.value();
            return resolved;
        }
        const fs::path target_relative = target.relative_path();
        rest.insert(rest.begin(), target_relative.begin(), target_relative.end());
        if (target.has_root_directory()) {
            walked = target.root_path();
        }
    }
    resolved.target = walked;
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
