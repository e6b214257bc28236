// The storage platform of a POSIX system (Linux first): the one file of the
// program that makes system calls for storage.
//
// Locks are flock() locks. They belong to the open file description, as
// the platform's contract asks, unlike the older fcntl() record locks, which
// belong to the process and which any close of the same file by the process
// drops. Unlike fcntl()'s open-file-description locks (F_OFD_SETLK, Linux
// only) they are on the BSDs and macOS too and take an exclusive lock on a
// file open for reading only, the way storage opens the data file. Where a
// file system cannot lock (an NFS mount that emulates flock with record
// locks refuses an exclusive lock on a file open for reading), the error is
// given and storage goes on without the lock.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>  // pthread_sigmask too, from the POSIX <signal.h> under it
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
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

// SIGXFSZ is ignored rather than blocked: a blocked one would end the
// program as soon as the hold goes, while an ignored one leaves the write
// failing with EFBIG, an error the rewrite handles by writing the old
// content back.
class PosixSignalsHeld : public SignalsHeld {
public:
    PosixSignalsHeld() {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
            sigaddset(&ending, signal);
        }
        pthread_sigmask(SIG_BLOCK, &ending, &before_);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &size_limit_before_);
    }
    PosixSignalsHeld(const PosixSignalsHeld&) = delete;
    PosixSignalsHeld& operator=(const PosixSignalsHeld&) = delete;
    // Back to the state before, so an outer hold keeps them as they are.
    ~PosixSignalsHeld() override {
        sigaction(SIGXFSZ, &size_limit_before_, nullptr);
        pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    }

private:
    sigset_t before_{};
    struct sigaction size_limit_before_ {};
};

// The first pause between two tries of a lock, and the longest; short
// enough that a waiter follows a quick holder closely.
constexpr std::chrono::milliseconds FIRST_PAUSE{1};
constexpr std::chrono::milliseconds LONGEST_PAUSE{20};

#ifdef F_OFD_SETLK
struct flock turnstile_place(short type) {
    struct flock place {};
    place.l_type = type;
    place.l_whence = SEEK_SET;
    place.l_start = static_cast<off_t>(0x7fff'ffff'0000'0001);
    place.l_len = 1;
    return place;
}
#endif

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

    int list_folder(const Path& folder, std::vector<std::string>& names) const override {
        names.clear();
        DIR* const listing = ::opendir(folder.c_str());
        if (listing == nullptr) {
            return errno;
        }
        errno = 0;
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        const int error = errno;
        ::closedir(listing);
        return error;
    }

    // flock() has no time limit of its own: it is tried without waiting,
    // with pauses that grow up to LONGEST_PAUSE in between.
    int lock(FileHandle file, LockMode mode, std::chrono::milliseconds patience) const override {
        const int operation = (mode == LockMode::shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
        const auto deadline = std::chrono::steady_clock::now() + patience;
        auto pause = std::chrono::duration_cast<std::chrono::steady_clock::duration>(FIRST_PAUSE);
        for (;;) {
            if (retried([&] { return ::flock(fd_of(file), operation); }) == 0) {
                return 0;
            }
            if (errno != EWOULDBLOCK) {
                return errno;
            }
            const auto now = std::chrono::steady_clock::now();
            if (now >= deadline) {
                return EWOULDBLOCK;
            }
            std::this_thread::sleep_for(std::min(pause, deadline - now));
            pause = std::min<std::chrono::steady_clock::duration>(pause * 2, LONGEST_PAUSE);
        }
    }
    int unlock(FileHandle file) const override {
        return outcome(retried([&] { return ::flock(fd_of(file), LOCK_UN); }));
    }

    // An open file description's record lock (Linux) on one byte far beyond
    // any data file's end: independent of the flock() lock, on the same
    // file, and like it gone with the last close, a kill included. The file
    // is open for reading only, which takes only a read lock; so a waiting
    // writer holds a read lock there, and a reader passes only where no such
    // lock stands (a write lock asked for would find it).
    int enter_turnstile(FileHandle file, bool stay) const override {
#ifdef F_OFD_SETLK
        struct flock place = turnstile_place(F_RDLCK);
        if (stay) {
            return outcome(::fcntl(fd_of(file), F_OFD_SETLK, &place));
        }
        place.l_type = F_WRLCK;
        if (::fcntl(fd_of(file), F_OFD_GETLK, &place) != 0) {
            return errno;
        }
        return place.l_type == F_UNLCK ? 0 : EWOULDBLOCK;
#else
        (void)file;
        (void)stay;
        return EOPNOTSUPP;
#endif
    }
    int leave_turnstile(FileHandle file) const override {
#ifdef F_OFD_SETLK
        struct flock place = turnstile_place(F_UNLCK);
        return outcome(::fcntl(fd_of(file), F_OFD_SETLK, &place));
#else
        (void)file;
        return EOPNOTSUPP;
#endif
    }

    int open_input(const Path& path, FileHandle& file) const override {
        return opened(
            retried([&] { return ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC); }), file);
    }
    int read(FileHandle file, char* data, std::size_t size, std::size_t& got) const override {
        const ssize_t read = retried([&] { return ::read(fd_of(file), data, size); });
        got = read < 0 ? 0 : static_cast<std::size_t>(read);
        return read < 0 ? errno : 0;
    }
    int open_stream(const Path& path, FileHandle& file) const override {
        return opened(
            retried([&] { return ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC); }), file);
    }
    FileHandle standard_output() const override { return STDOUT_FILENO; }
    FileHandle standard_error() const override { return STDERR_FILENO; }
    // $XDG_STATE_HOME/ugraph, by default ~/.local/state/ugraph.
    int state_folder(Path& folder, bool make) const override {
        const char* const state = std::getenv("XDG_STATE_HOME");
        const char* const home = std::getenv("HOME");
        if (state != nullptr && state[0] == '/') {
            folder = state;
        } else if (home != nullptr && home[0] == '/') {
            folder = Path(home) / ".local" / "state";
        } else {
            return ENOENT;
        }
        folder /= "ugraph";
        if (!make) {
            return 0;
        }
        Path made;
        for (const Path& part : folder) {
            made /= part;
            if (::mkdir(made.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
                return errno;
            }
        }
        return 0;
    }
    // Standard input gets a stand-in open for writing only, the others one
    // open for reading only: every use of it fails as on a closed stream.
    void reserve_standard_handles() const override {
        // Ignored, a write past the limit fails with EFBIG and is told.
        ::signal(SIGXFSZ, SIG_IGN);
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
            if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
                const int stand_in = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
                if (stand_in >= 0 && stand_in != fd) {
                    ::dup2(stand_in, fd);
                    ::close(stand_in);
                }
            }
        }
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
