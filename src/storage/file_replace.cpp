#include "storage/file_replace.hpp"

#include <array>
#include <cerrno>

#include "storage/data_file.hpp"
#include "storage/file_access.hpp"
#include "storage/file_io.hpp"
#include "storage/storage_messages.hpp"
#include "storage/temporary_file.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

// What stopped a replacement.
enum class Refuser { none, link, file, folder, backup };

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
    constexpr std::array<Refusal::Kind, 5> kinds = {Refusal::Kind::reason, Refusal::Kind::link,
                                                    Refusal::Kind::file, Refusal::Kind::folder,
                                                    Refusal::Kind::backup};
    if (attempt.ok()) {
        return ReplaceReport(attempt);
    }
    return refused(attempt.reason, kinds.at(static_cast<std::size_t>(attempt.refused_by)));
}

ReplaceResult replace(const fs::path& file, std::string_view text, const ReplaceOptions& options,
                      const Platform& platform);

class Replacement {
public:
    Replacement(fs::path target, std::string_view text, const ReplaceOptions& options,
                const Platform& platform)
        : target_(std::move(target)),
          folder_(target_.has_parent_path() ? target_.parent_path() : fs::path(".")),
          name_(target_.filename()),
          text_(text),
          options_(options),
          platform_(platform) {}

    ReplaceResult run();

private:
    ReplaceResult refusal(Refuser who, int error) const {
        return ugraph::refusal(who, platform_.describe(error));
    }
    bool open_old(ReplaceResult& result);
    bool old_holds_text() const;
    ReplaceResult by_rename();
    ReplaceResult in_place(bool folder_refused);
    bool give_owner(FileHandle file) const;
    bool keep_backup(ReplaceResult& result) const;
    int overwrite(FileHandle file, std::string_view content) const;

    fs::path target_;
    fs::path folder_;
    fs::path name_;
    std::string_view text_;
    const ReplaceOptions& options_;
    const Platform& platform_;
    // A regular file the user may write stands at the target; old_ reads it.
    bool rewritable_ = false;
    // ... and it is the file itself, whose mode, owner and links are kept
    // (a backup's are not).
    bool keep_old_ = false;
    FileStatus old_status_;
    UniqueFile old_;
};

ReplaceResult Replacement::run() {
    ReplaceResult result;
    if (!open_old(result)) {
        return result;
    }
    if (rewritable_ && old_holds_text()) {
        result.unchanged = true;
        return result;
    }
    if (keep_old_ && old_status_.links > 1) {
        return in_place(false);
    }
    return by_rename();
}

// Notes what stands at the target, and refuses what must not be replaced.
bool Replacement::open_old(ReplaceResult& result) {
    FileStatus status;
    if (const int error = platform_.link_status(target_, status); error != 0) {
        if (error == ENOENT) {
            return true;
        }
        result = refusal(Refuser::file, error);
        return false;
    }
    if (status.kind == FileStatus::Kind::folder) {
        result = refusal(Refuser::file, EISDIR);
        return false;
    }
    const bool regular = status.kind == FileStatus::Kind::regular;
    const int write_error = regular ? platform_.may_write(target_) : 0;
    const bool writable = regular && write_error == 0;
    if (!options_.is_backup && !writable) {
        // A rename would get round the user's own write protection.
        result = regular ? refusal(Refuser::file, write_error)
                         : ugraph::refusal(Refuser::file, NOT_REGULAR_REASON);
        return false;
    }
    if (writable) {
        FileHandle old = NO_FILE;
        int error = platform_.open_read(target_, old);
        if (error == 0) {
            old_ = UniqueFile(platform_, old);
            error = platform_.handle_status(old_.get(), old_status_);
        }
        if (error != 0) {
            result = refusal(Refuser::file, error);
            return false;
        }
        rewritable_ = true;
        keep_old_ = !options_.is_backup;
    }
    return true;
}

bool Replacement::old_holds_text() const {
    if (old_status_.size != text_.size()) {
        return false;
    }
    std::string content;
    return read_all(platform_, old_.get(), content) == 0 && content == text_;
}

// Only a privileged user may give a file away: where the new file cannot
// have the old one's owner and group, it must not replace it.
bool Replacement::give_owner(FileHandle file) const {
    FileStatus status;
    if (platform_.handle_status(file, status) != 0) {
        return false;
    }
    return (status.owner == old_status_.owner && status.group == old_status_.group) ||
           platform_.set_owner(file, old_status_.owner, old_status_.group) == 0;
}

ReplaceResult Replacement::by_rename() {
    const std::uint32_t mode =
        options_.mode.value_or(keep_old_ ? old_status_.mode : platform_.new_file_mode());
    TemporaryFile temp(folder_, name_, platform_);
    if (const int error = temp.create(mode); error != 0) {
        if (rewritable_ && (error == EACCES || error == EPERM)) {
            return in_place(true);
        }
        return refusal(Refuser::folder, error);
    }
    if (keep_old_ && !give_owner(temp.file())) {
        temp.discard();
        return in_place(false);
    }
    int error = platform_.set_mode(temp.file(), mode);
    if (error == 0) {
        error = write_all(platform_, temp.file(), text_);
    }
    if (error == 0) {
        error = platform_.sync(temp.file());
    }
    if (error != 0) {
        temp.discard();
        return refusal(Refuser::file, error);
    }
    ReplaceResult result;
    if (keep_old_ && options_.keep_backup && !keep_backup(result)) {
        return result;
    }
    // Named only now, right before the rename, so that only a kill in
    // between can leave it behind.
    error = temp.seal();
    if (error == 0) {
        error = platform_.rename(temp.path(), target_);
    }
    if (error != 0) {
        temp.discard();
        return refusal(Refuser::file, error);
    }
    temp.release();
    // Without it a power loss could undo the rename; a folder that cannot
    // be synced leaves the rename standing all the same.
    (void)platform_.sync_folder(folder_);
    return result;
}

// The old file gets the backup's name as a second link, so no copy is made;
// where a link cannot be made, a copy is written.
bool Replacement::keep_backup(ReplaceResult& result) const {
    const fs::path backup = backup_path(target_);
    int error = 0;
    const fs::path linked = link_to_fresh_name(
        folder_, backup_path(name_),
        [&](const fs::path& path) { return platform_.link(target_, path); }, error);
    if (!linked.empty()) {
        error = platform_.rename(linked, backup);
        if (error != 0) {
            (void)platform_.remove(linked);
            result = refusal(Refuser::backup, error);
            return false;
        }
        result.backup_kept = true;
        return true;
    }
    std::string before;
    error = read_all(platform_, old_.get(), before);
    if (error != 0) {
        result = refusal(Refuser::backup, error);
        return false;
    }
    const ReplaceResult copy =
        replace(backup, before, {.keep_backup = false, .mode = old_status_.mode, .is_backup = true},
                platform_);
    if (!copy.ok()) {
        result = ugraph::refusal(Refuser::backup, copy.reason);
        return false;
    }
    result.backup_kept = true;
    return true;
}

int Replacement::overwrite(FileHandle file, std::string_view content) const {
    int error = platform_.truncate(file, 0);
    if (error == 0) {
        error = platform_.seek(file, 0);
    }
    if (error == 0) {
        error = write_all(platform_, file, content);
    }
    return error == 0 ? platform_.sync(file) : error;
}

ReplaceResult Replacement::in_place(bool folder_refused) {
    std::string before;
    if (const int error = read_all(platform_, old_.get(), before); error != 0) {
        return refusal(Refuser::file, error);
    }
    ReplaceResult result;
    if (keep_old_ && options_.keep_backup) {
        const ReplaceResult copy =
            replace(backup_path(target_), before,
                    {.keep_backup = false, .mode = old_status_.mode, .is_backup = true}, platform_);
        if (copy.ok()) {
            result.backup_kept = true;
        } else if (folder_refused && copy.refused_by == Refuser::folder) {
            // Only the folder's own refusal excuses a missing backup: the
            // in-place rewrite exists for that folder alone.
            result.backup_refused_by_folder = true;
        } else {
            return ugraph::refusal(Refuser::backup, copy.reason);
        }
    }
    FileHandle opened = NO_FILE;
    if (const int error = platform_.open_write(target_, opened); error != 0) {
        return refusal(Refuser::file, error);
    }
    const UniqueFile out(platform_, opened);
    if (const int error = overwrite(out.get(), text_); error != 0) {
        (void)overwrite(out.get(), before);
        return refusal(Refuser::file, error);
    }
    result.in_place = true;
    return result;
}

ReplaceResult replace(const fs::path& file, std::string_view text, const ReplaceOptions& options,
                      const Platform& platform) {
    const auto held = platform.hold_ending_signals();
    if (options.is_backup) {
        // Whatever stands at a backup's name is replaced, a link included.
        return Replacement(file, text, options, platform).run();
    }
    const ResolvedPath resolved = follow_links_safely(file, platform);
    if (resolved.link_refused) {
        return refusal(Refuser::link, LINK_REFUSED_REASON);
    }
    if (resolved.error != 0) {
        return refusal(Refuser::file, platform.describe(resolved.error));
    }
    return Replacement(resolved.target, text, options, platform).run();
}

}  // namespace

Result<ReplaceReport> replace_file_contents(const fs::path& file, std::string_view text,
                                            const ReplaceOptions& options,
                                            const Platform& platform) {
    return as_result(replace(file, text, options, platform));
}

}  // namespace ugraph
