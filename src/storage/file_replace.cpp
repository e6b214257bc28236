#include "storage/file_replace.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>

#include "common/path_text.hpp"
#include "storage/data_file.hpp"
#include "storage/hidden_names.hpp"
#include "storage/temporary_file.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

// What stopped a replacement; `appeared`: a file was made at the name of a
// missing one meanwhile, and the replacement begins again.
enum class Refuser { none, link, file, folder, backup, busy, appeared };

struct ReplaceResult : ReplaceReport {
    Refuser refused_by = Refuser::none;
    std::string reason;
    bool ok() const { return refused_by == Refuser::none; }
};

ReplaceResult refusal(Refuser who, std::string reason) {
    ReplaceResult result;
    result.refused_by = who;
    result.reason = std::move(reason);
    return result;
}

Result<ReplaceReport> as_result(const ReplaceResult& attempt) {
    constexpr std::array<Refusal::Kind, 7> kinds = {
        Refusal::Kind::reason, Refusal::Kind::link, Refusal::Kind::file, Refusal::Kind::folder,
        Refusal::Kind::backup, Refusal::Kind::busy, Refusal::Kind::file};
    if (attempt.ok()) {
        return ReplaceReport(attempt);
    }
    return refused(attempt.reason, kinds.at(static_cast<std::size_t>(attempt.refused_by)));
}

bool same_file(const FileStatus& a, const FileStatus& b) {
    return a.device == b.device && a.inode == b.inode;
}

// The errors with which a folder refuses a new file.
bool refused_by_folder(int error) { return error == EACCES || error == EPERM; }

// Puts a new backup at NAME.bak, keeping what stood there aside under a
// hidden name until the replacement is over: removed once it succeeded, put
// back where it failed. A swap neither committed nor undone is undone when
// it goes.
class BackupSwap {
public:
    BackupSwap(fs::path folder, const fs::path& file, const Platform& platform)
        : folder_(std::move(folder)),
          name_(backup_name(utf8_of(file.filename()))),
          backup_(backup_path(file)),
          platform_(platform) {}
    BackupSwap(const BackupSwap&) = delete;
    BackupSwap& operator=(const BackupSwap&) = delete;
    ~BackupSwap() { undo(); }

    // 0, or EISDIR when a folder stands at the backup's name.
    int check() const {
        FileStatus status;
        return platform_.link_status(backup_, status) == 0 &&
                       status.kind == FileStatus::Kind::folder
                   ? EISDIR
                   : 0;
    }

    // Renames the file at `fresh`, a hidden name, to NAME.bak; 0 or the
    // error, `fresh` then removed.
    int swap_in(const fs::path& fresh) {
        int error = check();
        if (error == 0) {
            error = keep_older();
        }
        if (error == 0) {
            error = platform_.rename(fresh, backup_);
        }
        if (error != 0) {
            (void)platform_.remove(fresh);
            undo();
            return error;
        }
        swapped_ = true;
        return 0;
    }

    void commit() {
        if (!aside_.empty()) {
            (void)platform_.remove(aside_);
        }
        aside_.clear();
        swapped_ = false;
    }

    void undo() {
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

private:
    // A second name for the older backup, so that the backup's name never
    // stands empty; where the file system has no hard links, it is moved.
    int keep_older() {
        FileStatus status;
        if (platform_.link_status(backup_, status) != 0) {
            return 0;  // nothing to keep
        }
        int error = 0;
        aside_ = link_to_fresh_name(
            folder_, name_, [&](const fs::path& path) { return platform_.link(backup_, path); },
            error);
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

    fs::path folder_;
    std::string name_;
    fs::path backup_;
    const Platform& platform_;
    fs::path aside_;        // the older backup's hidden name, if there was one
    bool moved_ = false;    // it was moved there, not linked
    bool swapped_ = false;  // the new backup stands at NAME.bak
};

class Replacement {
public:
    Replacement(LockedFile& old, const Splice& splice, const ReplaceOptions& options,
                const Platform& platform)
        : target_(old.target),
          folder_(target_.has_parent_path() ? target_.parent_path() : fs::path(".")),
          name_(utf8_of(target_.filename())),
          old_(old),
          splice_(splice),
          options_(options),
          platform_(platform) {}

    ReplaceResult run();

private:
    bool exists() const { return old_.file.valid(); }
    std::uint64_t old_size() const { return exists() ? old_.status.size : 0; }
    ReplaceResult refusal(Refuser who, int error) const {
        return ugraph::refusal(who, platform_.describe(error));
    }
    bool holds_text_already() const;
    ReplaceResult by_rename();
    ReplaceResult in_place();
    bool give_owner(FileHandle file) const;
    int write_content(FileHandle file) const;
    int keep_backup(BackupSwap& swap, bool copy_only, bool& folder_refused) const;
    int place_new(TemporaryFile& temp) const;
    void put_back(FileHandle file, std::string_view overwritten) const;

    fs::path target_;
    fs::path folder_;
    std::string name_;
    LockedFile& old_;
    const Splice& splice_;
    const ReplaceOptions& options_;
    const Platform& platform_;
    bool backup_is_old_ = false;  // NAME.bak is the old file itself
};

ReplaceResult Replacement::run() {
    if (!exists()) {
        return by_rename();
    }
    if (const int error = platform_.may_write(target_); error != 0) {
        // A rename would get round the user's own write protection.
        return refusal(Refuser::file, error);
    }
    clear_leftovers(folder_, name_, platform_);
    // Leftovers that were links to the file are gone from its link count.
    if (const int error = platform_.handle_status(old_.file.get(), old_.status); error != 0) {
        return refusal(Refuser::file, error);
    }
    if (holds_text_already()) {
        ReplaceResult result;
        result.unchanged = true;
        return result;
    }
    FileStatus backup;
    backup_is_old_ =
        platform_.link_status(backup_path(target_), backup) == 0 && same_file(backup, old_.status);
    if (old_.status.links - (backup_is_old_ ? 1 : 0) > 1) {
        return in_place();
    }
    return by_rename();
}

bool Replacement::holds_text_already() const {
    if (splice_.keep != 0 || splice_.drop != TO_THE_END ||
        old_.status.size != splice_.insert.size()) {
        return false;
    }
    std::string content;
    return read_all(platform_, old_.file.get(), content) == 0 && content == splice_.insert;
}

// Only a privileged user may give a file away: where the new file cannot
// have the old one's owner and group, it must not replace it.
bool Replacement::give_owner(FileHandle file) const {
    FileStatus status;
    if (platform_.handle_status(file, status) != 0) {
        return false;
    }
    return (status.owner == old_.status.owner && status.group == old_.status.group) ||
           platform_.set_owner(file, old_.status.owner, old_.status.group) == 0;
}

int Replacement::write_content(FileHandle file) const {
    const std::uint64_t keep = std::min(splice_.keep, old_size());
    const std::uint64_t resume = keep + std::min(splice_.drop, old_size() - keep);
    int error = keep > 0 ? copy_range(platform_, old_.file.get(), 0, keep, file) : 0;
    if (error == 0) {
        error = write_all(platform_, file, splice_.insert);
    }
    if (error == 0 && resume < old_size()) {
        error = copy_range(platform_, old_.file.get(), resume, old_size(), file);
    }
    return error;
}

// The old file gets a hidden second name, so no copy is made; where a link
// cannot be made, or must not be (a rewrite in place would write through
// it), a copy is written. Then it becomes NAME.bak. `folder_refused` tells
// that the folder took no copy.
int Replacement::keep_backup(BackupSwap& swap, bool copy_only, bool& folder_refused) const {
    folder_refused = false;
    if (const int error = swap.check(); error != 0) {
        return error;
    }
    int error = 0;
    fs::path fresh;
    if (!copy_only) {
        fresh = link_to_fresh_name(
            folder_, backup_name(name_),
            [&](const fs::path& path) { return platform_.link(target_, path); }, error);
    }
    if (fresh.empty()) {
        TemporaryFile copy(folder_, backup_name(name_), platform_);
        error = copy.create(old_.status.mode);
        if (error != 0) {
            folder_refused = refused_by_folder(error);
            return error;
        }
        error = platform_.set_mode(copy.file(), old_.status.mode);
        if (error == 0) {
            error = copy_range(platform_, old_.file.get(), 0, TO_THE_END, copy.file());
        }
        if (error == 0) {
            error = platform_.sync(copy.file());
        }
        if (error == 0) {
            error = copy.seal();
        }
        if (error != 0) {
            return error;
        }
        fresh = copy.path();
        copy.release();
    }
    return swap.swap_in(fresh);
}

// A file made where there was none: put at the name only if still nothing
// stands there (EEXIST otherwise), by a second link that cannot replace
// anything; a rename where the file system has no hard links.
int Replacement::place_new(TemporaryFile& temp) const {
    const int error = platform_.link(temp.path(), target_);
    if (error == 0) {
        temp.discard();  // its hidden name only
        return 0;
    }
    if (error == EEXIST || error == ENOENT) {
        return error;
    }
    const int renamed = platform_.rename(temp.path(), target_);
    if (renamed == 0) {
        temp.release();
    }
    return renamed;
}

ReplaceResult Replacement::by_rename() {
    const std::uint32_t mode = exists() ? old_.status.mode : platform_.new_file_mode();
    TemporaryFile temp(folder_, name_, platform_);
    if (const int error = temp.create(mode); error != 0) {
        if (exists() && refused_by_folder(error)) {
            return in_place();
        }
        return refusal(Refuser::folder, error);
    }
    if (exists() && !give_owner(temp.file())) {
        temp.discard();
        return in_place();
    }
    int error = platform_.set_mode(temp.file(), mode);
    if (error == 0) {
        error = write_content(temp.file());
    }
    if (error == 0) {
        error = platform_.sync(temp.file());
    }
    if (error != 0) {
        return refusal(Refuser::file, error);
    }
    ReplaceResult result;
    BackupSwap swap(folder_, target_, platform_);
    if (exists() && options_.keep_backup && !backup_is_old_) {
        bool folder_refused = false;
        if (const int failed = keep_backup(swap, false, folder_refused); failed != 0) {
            return refusal(Refuser::backup, failed);
        }
    }
    result.backup_kept = exists() && options_.keep_backup;
    // Named only now, right before the rename, so that only a kill in
    // between can leave it behind.
    error = temp.seal();
    if (error == 0) {
        if (exists()) {
            error = platform_.rename(temp.path(), target_);
            if (error == 0) {
                temp.release();
            }
        } else {
            error = place_new(temp);
        }
    }
    if (error != 0) {
        if (!exists() && (error == EEXIST || error == ENOENT)) {
            return refusal(Refuser::appeared, error);
        }
        return refusal(Refuser::file, error);
    }
    swap.commit();
    // Without it a power loss could undo the rename; a folder that cannot
    // be synced leaves the rename standing all the same.
    (void)platform_.sync_folder(folder_);
    return result;
}

// Writes back what was overwritten of the old content and cuts the file to
// its old length.
void Replacement::put_back(FileHandle file, std::string_view overwritten) const {
    if (platform_.seek(file, std::min(splice_.keep, old_size())) == 0) {
        (void)write_all(platform_, file, overwritten);
    }
    (void)platform_.truncate(file, old_size());
    (void)platform_.sync(file);
}

ReplaceResult Replacement::in_place() {
    const std::uint64_t keep = std::min(splice_.keep, old_size());
    // Everything from the first byte that changes on, to be written back on failure.
    std::string before;
    if (const int error = read_range(platform_, old_.file.get(), keep, TO_THE_END, before);
        error != 0) {
        return refusal(Refuser::file, error);
    }
    ReplaceResult result;
    BackupSwap swap(folder_, target_, platform_);
    if (options_.keep_backup) {
        bool copy_refused = false;
        const int error = keep_backup(swap, true, copy_refused);
        if (error == 0) {
            result.backup_kept = true;
        } else if (copy_refused) {
            // There is nowhere to keep it: the one case that goes on without.
            result.backup_refused_by_folder = true;
        } else {
            return refusal(Refuser::backup, error);
        }
    }
    FileHandle opened = NO_FILE;
    if (const int error = platform_.open_write(target_, opened); error != 0) {
        return refusal(Refuser::file, error);
    }
    const UniqueFile out(platform_, opened);
    const std::string_view old_rest = before;
    const std::string_view tail =
        old_rest.substr(std::min<std::uint64_t>(splice_.drop, old_rest.size()));
    std::uint64_t written = 0;
    int error = platform_.seek(out.get(), keep);
    if (error == 0) {
        error = write_all(platform_, out.get(), splice_.insert, &written);
    }
    if (error == 0) {
        error = write_all(platform_, out.get(), tail, &written);
    }
    if (error == 0) {
        error = platform_.truncate(out.get(), keep + splice_.insert.size() + tail.size());
    }
    if (error == 0) {
        error = platform_.sync(out.get());
    }
    if (error != 0) {
        put_back(out.get(), old_rest.substr(0, std::min<std::uint64_t>(written, old_rest.size())));
        return refusal(Refuser::file, error);
    }
    swap.commit();
    result.in_place = true;
    return result;
}

}  // namespace

Result<ReplaceReport> edit_file_contents(const fs::path& file, const Planner& plan,
                                         const ReplaceOptions& options, const Platform& platform) {
    bool told = false;
    const LockWait wait{[&] {
                            if (!told && options.waiting) {
                                options.waiting();
                            }
                            told = true;
                        },
                        options.patience};
    // Only a race with another program that makes the missing file calls
    // for a second attempt, which then finds the file.
    constexpr int ATTEMPTS = 8;
    for (int attempt = 1;; ++attempt) {
        Result<LockedFile> locked = lock_file(file, LockMode::exclusive, wait, platform);
        if (!locked) {
            return locked.refusal();
        }
        LockedFile& old = locked.value();
        const Result<Splice> splice = plan(old.file.valid() ? old.file.get() : NO_FILE, old.status);
        if (!splice) {
            return splice.refusal();
        }
        const auto held = platform.hold_ending_signals();
        const ReplaceResult result = Replacement(old, splice.value(), options, platform).run();
        if (result.refused_by != Refuser::appeared || attempt == ATTEMPTS) {
            return as_result(result);
        }
    }
}

Result<ReplaceReport> replace_file_contents(const fs::path& file, std::string_view text,
                                            const ReplaceOptions& options,
                                            const Platform& platform) {
    return edit_file_contents(
        file,
        [text](FileHandle /*old*/, const FileStatus& /*status*/) -> Result<Splice> {
            return Splice{.keep = 0, .insert = text, .drop = TO_THE_END};
        },
        options, platform);
}

}  // namespace ugraph
