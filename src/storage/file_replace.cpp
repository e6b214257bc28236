#include "storage/file_replace.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "storage/data_file.hpp"
#include "storage/file_access.hpp"
#include "storage/file_io.hpp"
#include "storage/signal_hold.hpp"
#include "storage/temporary_file.hpp"
#include "storage/unique_fd.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

int open_unnamed_in(const char* folder, mode_t mode) {
    return ::open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}

// An unnamed file can be linked through its /proc entry without privileges.
int name_unnamed_at(int fd, const char* path) {
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW);
}

int truncate_fd(int fd, off_t length) { return ::ftruncate(fd, length); }

}  // namespace

const FileSystemCalls& system_file_calls() {
    static const FileSystemCalls calls{open_unnamed_in, name_unnamed_at, ::mkstemp, ::write,
                                       ::fsync,         ::close,         ::rename,  ::unlink,
                                       ::link,          truncate_fd};
    return calls;
}

namespace {

std::string describe(int error_number) { return std::strerror(error_number); }

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
                      const FileSystemCalls& calls);

mode_t usual_new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

class Replacement {
public:
    Replacement(fs::path target, std::string_view text, const ReplaceOptions& options,
                const FileSystemCalls& calls)
        : target_(std::move(target)),
          folder_(target_.has_parent_path() ? target_.parent_path() : fs::path(".")),
          name_(target_.filename().string()),
          text_(text),
          options_(options),
          calls_(calls) {}

    ReplaceResult run();

private:
    bool open_old(ReplaceResult& result);
    bool old_holds_text() const;
    ReplaceResult by_rename();
    ReplaceResult in_place(bool folder_refused);
    bool give_owner(int fd) const;
    bool keep_backup(ReplaceResult& result) const;
    bool overwrite(int fd, std::string_view content) const;

    fs::path target_;
    fs::path folder_;
    std::string name_;
    std::string_view text_;
    const ReplaceOptions& options_;
    const FileSystemCalls& calls_;
    // A regular file the user may write stands at the target; old_fd_ reads it.
    bool rewritable_ = false;
    // ... and it is the file itself, whose mode, owner and links are kept
    // (a backup's are not).
    bool keep_old_ = false;
    struct stat old_status_ {};
    UniqueFd old_fd_;
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
    if (keep_old_ && old_status_.st_nlink > 1) {
        return in_place(false);
    }
    return by_rename();
}

// Notes what stands at the target, and refuses what must not be replaced.
bool Replacement::open_old(ReplaceResult& result) {
    struct stat status {};
    if (::lstat(target_.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return true;
        }
        result = refusal(Refuser::file, describe(errno));
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        result = refusal(Refuser::file, describe(EISDIR));
        return false;
    }
    const bool writable = S_ISREG(status.st_mode) && ::access(target_.c_str(), W_OK) == 0;
    if (!options_.is_backup && !writable) {
        // A rename would get round the user's own write protection.
        result = refusal(Refuser::file,
                         S_ISREG(status.st_mode) ? describe(errno) : "not a regular file");
        return false;
    }
    if (writable) {
        old_fd_.reset(::open(target_.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        if (!old_fd_.valid() || ::fstat(old_fd_.get(), &old_status_) != 0) {
            result = refusal(Refuser::file, describe(errno));
            return false;
        }
        rewritable_ = true;
        keep_old_ = !options_.is_backup;
    }
    return true;
}

bool Replacement::old_holds_text() const {
    if (old_status_.st_size != static_cast<off_t>(text_.size())) {
        return false;
    }
    std::string content;
    return read_all(old_fd_.get(), content) && content == text_;
}

// Only a privileged user may give a file away: where the new file cannot
// have the old one's owner and group, it must not replace it.
bool Replacement::give_owner(int fd) const {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return false;
    }
    return (status.st_uid == old_status_.st_uid && status.st_gid == old_status_.st_gid) ||
           ::fchown(fd, old_status_.st_uid, old_status_.st_gid) == 0;
}

ReplaceResult Replacement::by_rename() {
    const mode_t mode =
        options_.mode.value_or(keep_old_ ? old_status_.st_mode & 07777 : usual_new_file_mode());
    TemporaryFile temp(folder_, name_, calls_);
    if (!temp.create(mode)) {
        const int error = errno;
        if (rewritable_ && (error == EACCES || error == EPERM)) {
            return in_place(true);
        }
        return refusal(Refuser::folder, describe(error));
    }
    if (keep_old_ && !give_owner(temp.fd())) {
        temp.discard();
        return in_place(false);
    }
    if (::fchmod(temp.fd(), mode) != 0 || !write_all(calls_, temp.fd(), text_) ||
        calls_.sync(temp.fd()) != 0) {
        temp.discard();
        return refusal(Refuser::file, describe(errno));
    }
    ReplaceResult result;
    if (keep_old_ && options_.keep_backup && !keep_backup(result)) {
        return result;
    }
    // Named only now, right before the rename, so that only a kill in
    // between can leave it behind.
    if (!temp.seal() || calls_.rename(temp.path().c_str(), target_.c_str()) != 0) {
        const int error = errno;
        temp.discard();
        return refusal(Refuser::file, describe(error));
    }
    temp.release();
    sync_folder(folder_);
    return result;
}

// The old file gets the backup's name as a second link, so no copy is made;
// where a link cannot be made, a copy is written.
bool Replacement::keep_backup(ReplaceResult& result) const {
    const std::string backup = backup_name(target_.string());
    const std::string linked = link_to_fresh_name(folder_, name_ + ".bak", [&](const char* path) {
        return calls_.link(target_.c_str(), path);
    });
    if (!linked.empty()) {
        if (calls_.rename(linked.c_str(), backup.c_str()) != 0) {
            const int error = errno;
            calls_.remove(linked.c_str());
            result = refusal(Refuser::backup, describe(error));
            return false;
        }
        result.backup_kept = true;
        return true;
    }
    std::string before;
    if (!read_all(old_fd_.get(), before)) {
        result = refusal(Refuser::backup, describe(errno));
        return false;
    }
    const ReplaceResult copy = replace(
        backup, before,
        {.keep_backup = false, .mode = old_status_.st_mode & 07777, .is_backup = true}, calls_);
    if (!copy.ok()) {
        result = refusal(Refuser::backup, copy.reason);
        return false;
    }
    result.backup_kept = true;
    return true;
}

bool Replacement::overwrite(int fd, std::string_view content) const {
    return calls_.truncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0 &&
           write_all(calls_, fd, content) && calls_.sync(fd) == 0;
}

ReplaceResult Replacement::in_place(bool folder_refused) {
    std::string before;
    if (!read_all(old_fd_.get(), before)) {
        return refusal(Refuser::file, describe(errno));
    }
    ReplaceResult result;
    if (keep_old_ && options_.keep_backup) {
        const ReplaceResult copy = replace(
            backup_name(target_.string()), before,
            {.keep_backup = false, .mode = old_status_.st_mode & 07777, .is_backup = true}, calls_);
        if (copy.ok()) {
            result.backup_kept = true;
        } else if (folder_refused && copy.refused_by == Refuser::folder) {
            result.backup_refused_by_folder = true;
        } else {
            return refusal(Refuser::backup, copy.reason);
        }
    }
    const UniqueFd out(::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!out.valid()) {
        return refusal(Refuser::file, describe(errno));
    }
    if (!overwrite(out.get(), text_)) {
        const int error = errno;
        overwrite(out.get(), before);
        return refusal(Refuser::file, describe(error));
    }
    result.in_place = true;
    return result;
}

ReplaceResult replace(const fs::path& file, std::string_view text, const ReplaceOptions& options,
                      const FileSystemCalls& calls) {
    const SignalHold hold;
    if (options.is_backup) {
        // Whatever stands at a backup's name is replaced, a link included.
        return Replacement(file, text, options, calls).run();
    }
    const ResolvedPath resolved = follow_links_safely(file);
    if (resolved.link_refused) {
        return refusal(Refuser::link, LINK_REFUSED_REASON);
    }
    if (resolved.error != 0) {
        return refusal(Refuser::file, describe(resolved.error));
    }
    return Replacement(resolved.target, text, options, calls).run();
}

}  // namespace

Result<ReplaceReport> replace_file_contents(const fs::path& file, std::string_view text,
                                            const ReplaceOptions& options,
                                            const FileSystemCalls& calls) {
    return as_result(replace(file, text, options, calls));
}

std::string replace_failure(const fs::path& file, const Refusal& refusal) {
    const std::string name = file.string();
    const std::string kept = "; " + name + " was left as it was";
    switch (refusal.kind) {
        case Refusal::Kind::link:
            return name + " is " + refusal.reason + "; it was not followed and nothing was written";
        case Refusal::Kind::folder:
            return "cannot write in the folder of " + name + " (" + refusal.reason + ")" + kept;
        case Refusal::Kind::backup:
            return "cannot keep the previous content of " + name + " as " + backup_name(name) +
                   " (" + refusal.reason + ")" + kept;
        default:
            break;
    }
    return "cannot write file " + name + " (" + refusal.reason + "); it was left as it was";
}

std::string no_backup_note(const fs::path& file) {
    return "the folder of " + file.string() +
           " refuses new files, so it was rewritten in place and no backup of its previous "
           "content could be kept";
}

}  // namespace ugraph
