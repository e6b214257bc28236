#pragma once
// Platform: every call storage makes to the system, in one place, so that a
// test can fail any one of them (a full disk, a folder that refuses new
// files, a close that fails) and a second system is one more implementation.
// system_platform() is the running system's: src/storage/posix/ for POSIX
// systems, src/storage/windows/ for Windows; main() alone calls it and hands
// it on.
//
// Every call that may fail gives 0 or an errno-style number (ENOENT, EACCES,
// ...); describe() gives that number in the system's words, e.g. "Permission
// denied". Calls interrupted by a signal are retried inside.
//  - status, link_status, handle_status: a path's status (following a last
//    link or not) or an open file's; read_link: where a link points;
//    may_write: whether the user may write the file; user: the user's id;
//    new_file_mode: the permission bits a new file gets by default.
//  - open_read, open_write: an existing file, never waiting (a FIFO would
//    block a plain open) and never through a last link; open_unnamed: a file
//    without a name in a folder (EOPNOTSUPP where there is none) and
//    name_unnamed then gives it one; create_new: a new file, 0600, only when
//    nothing has the name; close.
//  - read_at: up to `size` bytes from an offset, 0 bytes at the end; write:
//    some of the bytes, at the file's position; truncate, seek, sync (to the
//    disk), set_mode, set_owner: of an open file.
//  - rename (replacing the target), remove, link (a second name), and
//    sync_folder, which makes a rename in the folder durable.
//  - list_folder: the names in a folder, "." and ".." left out, in no order.
//  - lock, unlock: see below.
//  - open_input, read: a file a command reads once from start to end (import
//    and convert's INPUT: a regular file, a FIFO, a process's pipe under a
//    name such as /dev/fd/63), open for reading only, following links and
//    waiting as the system's own open does; read gives up to `size` bytes
//    from the file's position, 0 bytes at the end (a pipe whose writer is
//    gone included).
//  - open_stream: a file that is not a regular one (a FIFO, a device, a
//    terminal, the standard output under another name), open for writing as
//    a stream, following links and waiting as the system's own open does (a
//    FIFO waits for its reader); standard_input, standard_output,
//    standard_error: the program's standard streams, open already (never
//    closed through the platform); reserve_standard_handles: a standard
//    stream the program was started without (closed) gets a stand-in that
//    refuses every read and write, so that no file opened later takes its
//    number and receives what was meant for that stream; and from then on a
//    write past the size limit of the user's files fails with EFBIG, which
//    the program tells, instead of ending it.
//  - state_folder: a folder of the user's own where the program may keep
//    files between runs, made (for the user only) if missing and `make`
//    asks; 0 or the error, e.g. ENOENT where the user has no home folder.
//  - hold_ending_signals: while its result lives, signals that ask the
//    program to end wait, and a write that passes the size limit of the
//    user's files fails with EFBIG instead of ending the program; nested
//    holds keep them so until the outer one goes.
//
// lock(file, mode, patience): an advisory lock on an open file, shared (any
// number of holders at once) or exclusive (one holder, and no shared one).
//  - It belongs to the handle: every open of a file is a holder of its own,
//    even within one process, and closing the handle, or the end of the
//    process however it ends (a kill included), releases it; unlock releases
//    it with the handle left open. A handle holds at most one lock: lock is
//    called only on a handle that holds none.
//  - It is on the file the handle has open, not on a name: once a rename puts
//    another file at the name, the lock protects only the old file.
//  - It needs no write access (a handle open for reading only may hold an
//    exclusive lock), stops no read or write of anyone, only other locks, and
//    never covers bytes that a reader of the file could trip on.
//  - patience: how long it waits while another holder keeps the file; 0 is
//    one try. Gives 0 once the lock is held, EWOULDBLOCK when the patience
//    ran out, or another error where the file cannot be locked at all (a file
//    system without locks).
//
// enter_turnstile(file, stay), leave_turnstile(file): a second lock of the
// same kind on the same file, through which every lock is taken, so that a
// writer waiting behind a stream of readers gets in: a writer takes it
// exclusive and stays in it while it waits for its lock, a reader only
// passes (takes it shared and gives it up at once), so no new reader comes
// in while a writer waits. One try: 0, EWOULDBLOCK while someone else holds
// it, or another error where the system has none (then locks are taken
// without it).
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ugraph {

// An open file; NO_FILE for none.
using FileHandle = std::intptr_t;
inline constexpr FileHandle NO_FILE = -1;

// The fields of a file's status that storage uses.
struct FileStatus {
    enum class Kind { regular, folder, link, other };
    Kind kind = Kind::other;
    std::uint64_t size = 0;
    std::uint32_t mode = 0;  // permission bits, 07777 (set-id and sticky bits included)
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::uint64_t links = 0;  // hard links
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};

// Whether two statuses are of one file, whatever names led to it.
inline bool same_file(const FileStatus& a, const FileStatus& b) {
    return a.device == b.device && a.inode == b.inode;
}

// Permission bits of FileStatus::mode that the link rule looks at.
inline constexpr std::uint32_t MODE_STICKY = 01000;
inline constexpr std::uint32_t MODE_OTHERS_WRITE = 0002;

enum class LockMode { shared, exclusive };

// Kept alive for as long as signals that end the program are to wait.
class SignalsHeld {
public:
    SignalsHeld() = default;
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;
    virtual ~SignalsHeld() = default;
};

class Platform {
public:
    using Path = std::filesystem::path;

    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    virtual ~Platform() = default;

    virtual int status(const Path& path, FileStatus& status) const = 0;
    virtual int link_status(const Path& path, FileStatus& status) const = 0;
    virtual int handle_status(FileHandle file, FileStatus& status) const = 0;
    virtual int read_link(const Path& path, Path& target) const = 0;
    virtual int may_write(const Path& path) const = 0;
    virtual std::uint32_t user() const = 0;
    virtual std::uint32_t new_file_mode() const = 0;

    virtual int open_read(const Path& path, FileHandle& file) const = 0;
    virtual int open_write(const Path& path, FileHandle& file) const = 0;
    virtual int open_unnamed(const Path& folder, std::uint32_t mode, FileHandle& file) const = 0;
    virtual int name_unnamed(FileHandle file, const Path& path) const = 0;
    virtual int create_new(const Path& path, FileHandle& file) const = 0;
    virtual int close(FileHandle file) const = 0;

    virtual int read_at(FileHandle file, std::uint64_t offset, char* data, std::size_t size,
                        std::size_t& got) const = 0;
    virtual int write(FileHandle file, const char* data, std::size_t size,
                      std::size_t& written) const = 0;
    virtual int truncate(FileHandle file, std::uint64_t length) const = 0;
    virtual int seek(FileHandle file, std::uint64_t offset) const = 0;
    virtual int sync(FileHandle file) const = 0;
    virtual int set_mode(FileHandle file, std::uint32_t mode) const = 0;
    virtual int set_owner(FileHandle file, std::uint32_t owner, std::uint32_t group) const = 0;

    virtual int rename(const Path& from, const Path& to) const = 0;
    virtual int remove(const Path& path) const = 0;
    virtual int link(const Path& from, const Path& to) const = 0;
    virtual int sync_folder(const Path& folder) const = 0;
    virtual int list_folder(const Path& folder, std::vector<std::string>& names) const = 0;
    virtual int state_folder(Path& folder, bool make) const = 0;

    virtual int lock(FileHandle file, LockMode mode, std::chrono::milliseconds patience) const = 0;
    virtual int unlock(FileHandle file) const = 0;
    virtual int enter_turnstile(FileHandle file, bool stay) const = 0;
    virtual int leave_turnstile(FileHandle file) const = 0;

    virtual int open_input(const Path& path, FileHandle& file) const = 0;
    virtual int read(FileHandle file, char* data, std::size_t size, std::size_t& got) const = 0;
    virtual int open_stream(const Path& path, FileHandle& file) const = 0;
    virtual FileHandle standard_input() const = 0;
    virtual FileHandle standard_output() const = 0;
    virtual FileHandle standard_error() const = 0;
    virtual void reserve_standard_handles() const = 0;

    virtual std::unique_ptr<SignalsHeld> hold_ending_signals() const = 0;
    virtual std::string describe(int error) const = 0;
};

const Platform& system_platform();

}  // namespace ugraph
