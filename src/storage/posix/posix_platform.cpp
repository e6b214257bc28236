// The storage platform of a POSIX system (Linux first): the one file of the
// program that makes system calls for storage.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>  // pthread_sigmask too, from the POSIX <signal.h> under it
#include <cstring>
#include <string>
#include <vector>

#include "storage/platform.hpp"

namespace ugraph {
namespace {

int fd_of(FileHandle file) { return static_cast<int>(file); }

// 0 when the call went through, else errno.
int outcome(int returned) { return returned == -1 ? errno : 0; }

// Calls again while a signal interrupts the call.
template <typename Call>
auto retried(Call call) {
    for (;;) {
        const auto returned = call();
        if (returned != -1 || errno != EINTR) {
            return returned;
        }
    }
}

FileStatus::Kind kind_of(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileStatus::Kind::regular;
    }
    if (S_ISDIR(mode)) {
        return FileStatus::Kind::folder;
    }
    return S_ISLNK(mode) ? FileStatus::Kind::link : FileStatus::Kind::other;
}

int status_from(int returned, const struct stat& found, FileStatus& status) {
    if (returned != 0) {
        return errno;
    }
    status.kind = kind_of(found.st_mode);
    status.size = static_cast<std::uint64_t>(found.st_size);
    status.mode = found.st_mode & 07777;
    status.owner = found.st_uid;
    status.group = found.st_gid;
    status.links = found.st_nlink;
    status.device = found.st_dev;
    status.inode = found.st_ino;
    return 0;
}

int opened(int fd, FileHandle& file) {
    file = fd;
    return fd < 0 ? errno : 0;
}

class PosixSignalsHeld : public SignalsHeld {
public:
    PosixSignalsHeld() {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
            sigaddset(&ending, signal);
        }
        pthread_sigmask(SIG_BLOCK, &ending, &before_);
    }
    PosixSignalsHeld(const PosixSignalsHeld&) = delete;
    PosixSignalsHeld& operator=(const PosixSignalsHeld&) = delete;
    // Back to the mask before, so an outer hold keeps them waiting.
    ~PosixSignalsHeld() override { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

private:
    sigset_t before_{};
};

class PosixPlatform : public Platform {
public:
    int status(const Path& path, FileStatus& status) const override {
        struct stat found {};
        return status_from(::stat(path.c_str(), &found), found, status);
    }
    int link_status(const Path& path, FileStatus& status) const override {
        struct stat found {};
        return status_from(::lstat(path.c_str(), &found), found, status);
    }
    FileHandle standard_input() const override { return STDIN_FILENO; }
    int handle_status(FileHandle file, FileStatus& status) const override {
        struct stat found {};
        return status_from(::fstat(fd_of(file), &found), found, status);
    }
    int read_link(const Path& path, Path& target) const override {
        std::vector<char> text(256);
        for (;;) {
            const ssize_t length = ::readlink(path.c_str(), text.data(), text.size());
            if (length < 0) {
                return errno;
            }
            if (static_cast<std::size_t>(length) < text.size()) {
                target = std::string(text.data(), static_cast<std::size_t>(length));
                return 0;
            }
            text.resize(text.size() * 2);  // it may have been cut short
        }
    }
    int may_write(const Path& path) const override { return outcome(::access(path.c_str(), W_OK)); }
    std::uint32_t user() const override { return ::geteuid(); }
    std::uint32_t new_file_mode() const override {
        // The mask can only be read by setting it; it is set straight back.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }

    int open_read(const Path& path, FileHandle& file) const override {
        const int fd = retried([&] {
            return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        });
        // Opened without waiting; reads wait as usual.
        const int flags = fd < 0 ? -1 : ::fcntl(fd, F_GETFL);
        if (flags >= 0) {
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        }
        return opened(fd, file);
    }
    int open_write(const Path& path, FileHandle& file) const override {
        return opened(retried([&] {
                          return ::open(path.c_str(),
                                        O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
                      }),
                      file);
    }
    int open_unnamed(const Path& folder, std::uint32_t mode, FileHandle& file) const override {
#ifdef O_TMPFILE
        // Without /proc the file could not be given a name.
        if (::access("/proc/self/fd", X_OK) == 0) {
            return opened(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode), file);
        }
#else
        (void)folder;
        (void)mode;
#endif
        file = NO_FILE;
        return EOPNOTSUPP;
    }
    // An unnamed file can be linked through its /proc entry without privileges.
    int name_unnamed(FileHandle file, const Path& path) const override {
        const std::string proc = "/proc/self/fd/" + std::to_string(fd_of(file));
        return outcome(::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW));
    }
    int create_new(const Path& path, FileHandle& file) const override {
        return opened(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                             S_IRUSR | S_IWUSR),
                      file);
    }
    // Not retried: after an interrupted close the descriptor is gone anyway.
    int close(FileHandle file) const override { return outcome(::close(fd_of(file))); }

    int read_at(FileHandle file, std::uint64_t offset, char* data, std::size_t size,
                std::size_t& got) const override {
        const ssize_t read =
            retried([&] { return ::pread(fd_of(file), data, size, static_cast<off_t>(offset)); });
        got = read < 0 ? 0 : static_cast<std::size_t>(read);
        return read < 0 ? errno : 0;
    }
    int write(FileHandle file, const char* data, std::size_t size,
              std::size_t& written) const override {
        const ssize_t wrote = retried([&] { return ::write(fd_of(file), data, size); });
        written = wrote < 0 ? 0 : static_cast<std::size_t>(wrote);
        return wrote < 0 ? errno : 0;
    }
    int truncate(FileHandle file, std::uint64_t length) const override {
        return outcome(
            retried([&] { return ::ftruncate(fd_of(file), static_cast<off_t>(length)); }));
    }
    int seek(FileHandle file, std::uint64_t offset) const override {
        const auto at = static_cast<off_t>(offset);
        return ::lseek(fd_of(file), at, SEEK_SET) == at ? 0 : errno;
    }
    int sync(FileHandle file) const override {
        return outcome(retried([&] { return ::fsync(fd_of(file)); }));
    }
    int set_mode(FileHandle file, std::uint32_t mode) const override {
        return outcome(::fchmod(fd_of(file), mode));
    }
    int set_owner(FileHandle file, std::uint32_t owner, std::uint32_t group) const override {
        return outcome(::fchown(fd_of(file), owner, group));
    }

    int rename(const Path& from, const Path& to) const override {
        return outcome(::rename(from.c_str(), to.c_str()));
    }
    int remove(const Path& path) const override { return outcome(::unlink(path.c_str())); }
    int link(const Path& from, const Path& to) const override {
        return outcome(::link(from.c_str(), to.c_str()));
    }
    // Some file systems cannot sync a folder; the caller's rename stands anyway.
    int sync_folder(const Path& folder) const override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return errno;
        }
        const int error = outcome(retried([&] { return ::fsync(fd); }));
        ::close(fd);
        return error;
    }

    std::unique_ptr<SignalsHeld> hold_ending_signals() const override {
        return std::make_unique<PosixSignalsHeld>();
    }
    std::string describe(int error) const override { return std::strerror(error); }
};

}  // namespace

const Platform& system_platform() {
    static const PosixPlatform platform;
    return platform;
}

}  // namespace ugraph
