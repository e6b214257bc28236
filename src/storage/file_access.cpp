#include "storage/file_access.hpp"

#include <cerrno>
#include <deque>

#include "storage/storage_messages.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

constexpr int MAX_LINK_HOPS = 40;

// The kernel's rule (fs.protected_symlinks): in a folder that is sticky and
// writable for all, a link is followed only when its owner is the one who
// follows it or the folder's owner.
bool may_follow(const FileStatus& link, const fs::path& folder, const Platform& platform) {
    FileStatus folder_status;
    if (platform.status(folder, folder_status) != 0) {
        return false;
    }
    const bool sticky_and_open =
        (folder_status.mode & MODE_STICKY) != 0 && (folder_status.mode & MODE_OTHERS_WRITE) != 0;
    return !sticky_and_open || link.owner == platform.user() || link.owner == folder_status.owner;
}

}  // namespace

// Walks the path a component at a time, as the kernel does, so the rule is
// applied to every link on the way, not only to the last one: a stranger's
// link to a folder would lead a save as far as a link to the file would.
ResolvedPath follow_links_safely(const fs::path& path, const Platform& platform) {
    ResolvedPath resolved;
    // The root as it stands: "/", nothing for a relative path, and on Windows
    // a drive with its root folder or a drive alone (C:name is relative to
    // that drive's current folder).
    fs::path walked = path.root_path();
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
        FileStatus status;
        if (part == ".." || platform.link_status(next, status) != 0 ||
            status.kind != FileStatus::Kind::link) {
            walked = next;  // a missing part resolves to itself, and the rest after it
            continue;
        }
        if (++hops > MAX_LINK_HOPS) {
            resolved.error = ELOOP;
            return resolved;
        }
        if (!may_follow(status, walked.empty() ? fs::path(".") : walked, platform)) {
            resolved.link_refused = true;
            return resolved;
        }
        fs::path target;
        resolved.error = platform.read_link(next, target);
        if (resolved.error != 0) {
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

Result<UniqueFile> open_regular_file(const fs::path& target, const Platform& platform) {
    // Never through a link: one put in place since the path was resolved is refused.
    FileHandle handle = NO_FILE;
    if (const int error = platform.open_read(target, handle); error != 0) {
        // A socket cannot be opened at all; it is told for what it is.
        FileStatus status;
        const bool other =
            platform.link_status(target, status) == 0 && status.kind == FileStatus::Kind::other;
        return refused(other ? NOT_REGULAR_REASON : platform.describe(error));
    }
    UniqueFile file(platform, handle);
    FileStatus status;
    if (const int error = platform.handle_status(file.get(), status); error != 0) {
        return refused(platform.describe(error));
    }
    if (status.kind != FileStatus::Kind::regular) {
        return refused(status.kind == FileStatus::Kind::folder ? platform.describe(EISDIR)
                                                               : NOT_REGULAR_REASON);
    }
    return file;
}

bool leads_to_standard_input(const fs::path& file, const Platform& platform) {
    FileStatus found;
    FileStatus input;
    return platform.status(file, found) == 0 &&
           platform.handle_status(platform.standard_input(), input) == 0 &&
           found.device == input.device && found.inode == input.inode &&
           found.kind != FileStatus::Kind::regular;
}

}  // namespace ugraph
