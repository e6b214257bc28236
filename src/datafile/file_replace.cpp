#include "datafile/file_replace.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include "datafile/data_file.hpp"
#include "datafile/file_access.hpp"
#include "datafile/signal_hold.hpp"
#include "datafile/unique_fd.hpp"

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

ReplaceResult refusal(Refuser who, std::string reason) {
    ReplaceResult result;
    result.refused_by = who;
    result.reason = std::move(reason);
    return result;
}

bool write_all(const FileSystemCalls& calls, int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = calls.write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The whole content of an open file, read from its first byte.
bool read_all(int fd, std::string& content) {
    content.clear();
    char chunk[64 * 1024];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, chunk, sizeof chunk, at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        content.append(chunk, static_cast<std::size_t>(got));
        at += got;
    }
}

// Tries `attempt` on fresh hidden names beside the file, ".<name>.XXXXXX",
// until one is free; gives the name taken, or nothing (errno says why).
template <typename Attempt>
std::string on_fresh_name(const fs::path& folder, const std::string& name, Attempt attempt) {
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
        const std::string path = (folder / hidden).string();
        if (attempt(path.c_str()) == 0) {
            return path;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

mode_t usual_new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void sync_folder(const fs::path& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        // Some file systems cannot sync a folder; the rename stands anyway.
        (void)::fsync(fd.get());
    }
}

// A temporary file in the folder, unnamed where the system offers that.
struct TempFile {
    int fd = -1;
    std::string path;  // empty while it has no name
};

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
    TempFile create_temp(mode_t mode) const;
    bool give_owner(int fd) const;
    bool seal(TempFile& temp) const;
    void discard(TempFile& temp) const;
    bool keep_backup(ReplaceResult& result) const;
    bool overwrite(int fd, std::string_view content) const;

    fs::path target_;
    fs::path folder_;
    std::string name_;
    std::string_view text_;
    const ReplaceOptions& options_;
    const FileSystemCalls& calls_;
    bool old_exists_ = false;
    struct stat old_status_ {};
    UniqueFd old_fd_;
};

ReplaceResult Replacement::run() {
    ReplaceResult result;
    if (!open_old(result)) {
        return result;
    }
    if (old_exists_ && old_holds_text()) {
        result.unchanged = true;
        return result;
    }
    if (old_exists_ && old_status_.st_nlink > 1) {
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
    if (!S_ISREG(status.st_mode)) {
        result = refusal(Refuser::file, "not a regular file");
        return false;
    }
    // A rename would get round the user's own write protection.
    if (::access(target_.c_str(), W_OK) != 0) {
        result = refusal(Refuser::file, describe(errno));
        return false;
    }
    old_fd_.reset(::open(target_.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!old_fd_.valid() || ::fstat(old_fd_.get(), &old_status_) != 0) {
        result = refusal(Refuser::file, describe(errno));
        return false;
    }
    old_exists_ = true;
    return true;
}

bool Replacement::old_holds_text() const {
    if (old_status_.st_size != static_cast<off_t>(text_.size())) {
        return false;
    }
    std::string content;
    return read_all(old_fd_.get(), content) && content == text_;
}

TempFile Replacement::create_temp(mode_t mode) const {
    TempFile temp;
    if (::access("/proc/self/fd", X_OK) == 0) {
        temp.fd = calls_.open_unnamed(folder_.c_str(), mode);
        // Where the file system has no unnamed files, a named one will do.
        if (temp.fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            return temp;
        }
    }
    std::string pattern = (folder_ / ("." + name_ + ".XXXXXX")).string();
    temp.fd = calls_.make_temp(pattern.data());
    if (temp.fd >= 0) {
        temp.path = pattern;
    }
    return temp;
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

void Replacement::discard(TempFile& temp) const {
    const int saved = errno;
    if (temp.fd >= 0) {
        calls_.close(temp.fd);
        temp.fd = -1;
    }
    if (!temp.path.empty()) {
        calls_.remove(temp.path.c_str());
        temp.path.clear();
    }
    errno = saved;
}

// Gives the temporary file a name if it has none yet, and closes it; cleans
// up after itself on failure.
bool Replacement::seal(TempFile& temp) const {
    if (temp.path.empty()) {
        temp.path = on_fresh_name(
            folder_, name_, [&](const char* path) { return calls_.name_unnamed(temp.fd, path); });
        if (temp.path.empty()) {
            discard(temp);
            return false;
        }
    }
    if (calls_.close(std::exchange(temp.fd, -1)) != 0) {
        discard(temp);
        return false;
    }
    return true;
}

ReplaceResult Replacement::by_rename() {
    const mode_t mode =
        options_.mode.value_or(old_exists_ ? old_status_.st_mode & 07777 : usual_new_file_mode());
    TempFile temp = create_temp(mode);
    if (temp.fd < 0) {
        const int error = errno;
        if (old_exists_ && (error == EACCES || error == EPERM)) {
            return in_place(true);
        }
        return refusal(Refuser::folder, describe(error));
    }
    if (old_exists_ && !give_owner(temp.fd)) {
        discard(temp);
        return in_place(false);
    }
    if (::fchmod(temp.fd, mode) != 0 || !write_all(calls_, temp.fd, text_) ||
        calls_.sync(temp.fd) != 0) {
        discard(temp);
        return refusal(Refuser::file, describe(errno));
    }
    if (!seal(temp)) {
        return refusal(Refuser::file, describe(errno));
    }
    ReplaceResult result;
    if (old_exists_ && options_.keep_backup && !keep_backup(result)) {
        discard(temp);
        return result;
    }
    if (calls_.rename(temp.path.c_str(), target_.c_str()) != 0) {
        discard(temp);
        return refusal(Refuser::file, describe(errno));
    }
    sync_folder(folder_);
    return result;
}

// The old file gets the backup's name as a second link, so no copy is made;
// where a link cannot be made, a copy is written.
bool Replacement::keep_backup(ReplaceResult& result) const {
    const std::string backup = backup_name(target_.string());
    const std::string linked = on_fresh_name(folder_, name_ + ".bak", [&](const char* path) {
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
    const ReplaceResult copy = replace_file_contents(
        backup, before, {.keep_backup = false, .mode = old_status_.st_mode & 07777}, calls_);
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
    if (options_.keep_backup) {
        const ReplaceResult copy = replace_file_contents(
            backup_name(target_.string()), before,
            {.keep_backup = false, .mode = old_status_.st_mode & 07777}, calls_);
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

}  // namespace

ReplaceResult replace_file_contents(const fs::path& file, std::string_view text,
                                    const ReplaceOptions& options, const FileSystemCalls& calls) {
    const SignalHold hold;
    const ResolvedPath resolved = follow_links_safely(file);
    if (resolved.link_refused) {
        return refusal(Refuser::link, LINK_REFUSED_REASON);
    }
    if (resolved.error != 0) {
        return refusal(Refuser::file, describe(resolved.error));
    }
    return Replacement(resolved.target, text, options, calls).run();
}

}  // namespace ugraph
