#include "storage/backup_swap.hpp"

#include <cerrno>

#include "common/path_text.hpp"
#include "storage/hidden_names.hpp"

namespace ugraph {
namespace fs = std::filesystem;

BackupSwap::BackupSwap(fs::path folder, fs::path backup, const Platform& platform)
    : folder_(std::move(folder)),
      name_(utf8_of(backup.filename())),
      backup_(std::move(backup)),
      platform_(platform) {}

int BackupSwap::check() const {
    FileStatus status;
    return platform_.link_status(backup_, status) == 0 && status.kind == FileStatus::Kind::folder
               ? EISDIR
               : 0;
}

int BackupSwap::swap_in(const fs::path& fresh) {
    int error = check();
    if (error == 0) {
        error = keep_older();
    }
    if (error == 0) {
        error = platform_.rename(fresh, backup_);
    }
    if (error != 0) {
        undo();
        return error;
    }
    swapped_ = true;
    return 0;
}

void BackupSwap::commit() {
    if (!aside_.empty()) {
        (void)platform_.remove(aside_);
    }
    aside_.clear();
    swapped_ = false;
}

void BackupSwap::undo() {
    if (!aside_.empty() && (swapped_ || moved_)) {
        (void)platform_.rename(aside_, backup_);
    } else if (!aside_.empty()) {
        (void)platform_.remove(aside_);
    } else if (swapped_) {
        (void)platform_.remove(backup_);
    }
    aside_.clear();
    swapped_ = moved_ = false;
}

// Whether this user may rename over the older backup, and so remove a
// second name of it again: in a sticky folder only the file's owner, the
// folder's owner and the superuser may.
bool BackupSwap::may_replace(const FileStatus& older) const {
    FileStatus folder;
    if (platform_.status(folder_, folder) != 0 || (folder.mode & MODE_STICKY) == 0) {
        return true;
    }
    const std::uint32_t user = platform_.user();
    return user == 0 || older.owner == user || folder.owner == user;
}

// A second name for the older backup; where the file system has no hard
// links, it is moved. Another user's backup in a sticky folder is refused
// as the rename over it would be, before a second name is made that this
// user could never remove.
int BackupSwap::keep_older() {
    FileStatus status;
    if (platform_.link_status(backup_, status) != 0) {
        return 0;  // nothing to keep
    }
    if (!may_replace(status)) {
        return EPERM;
    }
    int error = 0;
    aside_ = link_to_fresh_name(
        folder_, name_, [&](const fs::path& path) { return platform_.link(backup_, path); }, error);
    if (!aside_.empty()) {
        return 0;
    }
    aside_ = link_to_fresh_name(
        folder_, name_,
        [&](const fs::path& path) {
            FileStatus taken;
            return platform_.link_status(path, taken) == 0 ? EEXIST
                                                           : platform_.rename(backup_, path);
        },
        error);
    moved_ = !aside_.empty();
    return error;
}

}  // namespace ugraph
