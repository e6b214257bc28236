// The storage platform of Windows: the one file of the program that makes
// Win32 calls for storage. A path reaches the system in UTF-16, its native
// form there, so a name the ANSI code page cannot spell still opens.
//
// Where POSIX has something Windows has not, the answer is one the storage
// logic already knows:
//  - no unnamed files: open_unnamed says EOPNOTSUPP, and the new content goes
//    into a named temporary file beside the data file;
//  - no owners or groups a save could lose: every file and the user are 0,
//    so a save never has to rewrite in place to keep them;
//  - no permission bits: a file's mode is 0666, or 0444 with the read-only
//    attribute, and set_mode leaves the attributes as they are;
//  - no sticky world-writable folders, so the link rule never refuses;
//  - no SIGXFSZ: a write beyond a limit fails with an error like any other;
//  - no closed standard stream whose number a file could take;
//  - locks are byte ranges, and mandatory: the lock is one byte far beyond
//    any data (see byte_range_lock.hpp).
// What Windows adds is told in its own words: a file open in another program
// (a sharing or lock violation) and a device name such as CON or NUL.
#include <io.h>
#include <windows.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

#include "storage/platform.hpp"
#include "storage/windows/byte_range_lock.hpp"
#include "storage/windows/console_events.hpp"
#include "storage/windows/win32_values.hpp"

namespace ugraph {
namespace {

// Conditions without a POSIX number, above every errno value.
constexpr int IN_USE = 0x1000;
constexpr int RESERVED_NAME = 0x1001;
// Any other Windows error, told in the system's own words.
constexpr int SYSTEM_ERROR = 0x10000;

// The C runtime's number of standard output.
constexpr int STANDARD_OUTPUT = 1;

// The most a single ReadFile or WriteFile is asked for.
constexpr DWORD MOST_AT_ONCE = DWORD{1} << 30;

}  // namespace

int error_number(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS:
            return 0;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
        case ERROR_CANNOT_MAKE:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_TOO_LARGE:
            return EFBIG;  // where POSIX would send SIGXFSZ: a failed write
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_PARAMETER:
            return EINVAL;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_TOO_MANY_LINKS:
            return EMLINK;
        case ERROR_NOT_SUPPORTED:
        case ERROR_INVALID_FUNCTION:
        case ERROR_CALL_NOT_IMPLEMENTED:
            return EOPNOTSUPP;  // a hard link on FAT, say
        case ERROR_BROKEN_PIPE:
        case ERROR_NO_DATA:
        case ERROR_PIPE_NOT_CONNECTED:  // Wine's word for it
            return EPIPE;               // the reader of a pipe went away
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
            return IN_USE;
        default:
            return SYSTEM_ERROR + static_cast<int>(error);
    }
}

namespace {

int last_error() { return error_number(GetLastError()); }

int outcome(BOOL done) { return done ? 0 : last_error(); }

// The words Linux uses, so that a reason reads the same on both systems.
std::string_view posix_words(int error) {
    struct Words {
        int error;
        std::string_view words;
    };
    static constexpr std::array<Words, 24> table{{
        {EPERM, "Operation not permitted"},
        {ENOENT, "No such file or directory"},
        {EINTR, "Interrupted system call"},
        {EIO, "Input/output error"},
        {EBADF, "Bad file descriptor"},
        {ENOMEM, "Cannot allocate memory"},
        {EACCES, "Permission denied"},
        {EBUSY, "Device or resource busy"},
        {EEXIST, "File exists"},
        {EXDEV, "Invalid cross-device link"},
        {ENOTDIR, "Not a directory"},
        {EISDIR, "Is a directory"},
        {EINVAL, "Invalid argument"},
        {EMFILE, "Too many open files"},
        {EFBIG, "File too large"},
        {ENOSPC, "No space left on device"},
        {ESPIPE, "Illegal seek"},
        {EROFS, "Read-only file system"},
        {EMLINK, "Too many links"},
        {ENAMETOOLONG, "File name too long"},
        {ELOOP, "Too many levels of symbolic links"},
        {EOPNOTSUPP, "Operation not supported"},
        {EPIPE, "Broken pipe"},
        {EWOULDBLOCK, "Resource temporarily unavailable"},
    }};
    for (const Words& entry : table) {
        if (entry.error == error) {
            return entry.words;
        }
    }
    return {};
}

std::string utf8_of(std::wstring_view text) {
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, converted.data(), size, nullptr, nullptr);
    return converted;
}

// The system's message for an error, without its closing period and line end.
std::string system_words(DWORD error) {
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring_view text(message, length);
    while (!text.empty() && (text.back() == L'.' || std::iswspace(text.back()) != 0)) {
        text.remove_suffix(1);
    }
    std::string words = text.empty() ? "Windows error " + std::to_string(error) : utf8_of(text);
    LocalFree(message);
    return words;
}

// CON, PRN, AUX, NUL, COM0-9 and LPT0-9 name devices in every folder, with
// any extension; a path that spells one out in full (\\?\ or \\.\) means
// what it says.
bool names_a_device(const Platform::Path& path) {
    const std::wstring& whole = path.native();
    if (whole.starts_with(L"\\\\?\\") || whole.starts_with(L"\\\\.\\")) {
        return false;
    }
    for (const Platform::Path& part : path.relative_path()) {
        std::wstring stem = part.native().substr(0, part.native().find(L'.'));
        while (!stem.empty() && stem.back() == L' ') {
            stem.pop_back();
        }
        for (wchar_t& letter : stem) {
            letter = static_cast<wchar_t>(std::towupper(letter));
        }
        if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL" ||
            (stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
             stem[3] >= L'0' && stem[3] <= L'9')) {
            return true;
        }
    }
    return false;
}

constexpr DWORD SHARE_ALL = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// What an open handle shows as a symbolic link: a symbolic link proper or a
// junction. Other reparse points (a cloud file, say) are files.
bool is_link(HANDLE file) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    return GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof tag) != 0 &&
           (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (tag.ReparseTag == IO_REPARSE_TAG_SYMLINK ||
            tag.ReparseTag == IO_REPARSE_TAG_MOUNT_POINT);
}

// Opens an existing file or folder; with `follow` false a link is opened
// itself, else the file it leads to.
int open_existing(const Platform::Path& path, DWORD access, bool follow, HANDLE& file) {
    file = INVALID_HANDLE_VALUE;
    if (names_a_device(path)) {
        return RESERVED_NAME;
    }
    const auto open = [&](DWORD flags) {
        return CreateFileW(path.c_str(), access, SHARE_ALL, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
    };
    file = open(follow ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    if (file == INVALID_HANDLE_VALUE) {
        return last_error();
    }
    if (!follow && !is_link(file)) {
        // A reparse point that is no link opens as the file it stands for.
        FILE_ATTRIBUTE_TAG_INFO tag{};
        if (GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof tag) != 0 &&
            (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            CloseHandle(file);
            file = open(0);
            if (file == INVALID_HANDLE_VALUE) {
                return last_error();
            }
        }
    }
    return 0;
}

int status_of(HANDLE file, FileStatus& status) {
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD type = GetFileType(file);
    if (type != FILE_TYPE_DISK) {
        // A console, a pipe or a device: no file of the disk.
        status = FileStatus{};
        status.kind = FileStatus::Kind::other;
        return type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR ? last_error() : 0;
    }
    if (GetFileInformationByHandle(file, &info) == 0) {
        return last_error();
    }
    const bool folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    status.kind = is_link(file) ? FileStatus::Kind::link
                  : folder      ? FileStatus::Kind::folder
                                : FileStatus::Kind::regular;
    status.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    status.mode = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0666;
    if (folder) {
        status.mode |= 0111;
    }
    status.owner = 0;
    status.group = 0;
    status.links = info.nNumberOfLinks;
    status.device = info.dwVolumeSerialNumber;
    status.inode = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    return 0;
}

int path_status(const Platform::Path& path, bool follow, FileStatus& status) {
    HANDLE file = INVALID_HANDLE_VALUE;
    if (const int error = open_existing(path, FILE_READ_ATTRIBUTES, follow, file); error != 0) {
        return error;
    }
    const int error = status_of(file, status);
    CloseHandle(file);
    return error;
}

// A link (or junction) is never opened for reading or writing through:
// POSIX's O_NOFOLLOW, and its error.
int open_not_through_link(const Platform::Path& path, DWORD access, FileHandle& file) {
    HANDLE opened = INVALID_HANDLE_VALUE;
    file = NO_FILE;
    if (const int error = open_existing(path, access, false, opened); error != 0) {
        return error;
    }
    if (is_link(opened)) {
        CloseHandle(opened);
        return ELOOP;
    }
    file = reinterpret_cast<FileHandle>(opened);
    return 0;
}

// Lets a rename replace a file marked read-only, as a rename on POSIX would
// (only a backup can be one: the data file itself is refused when it is).
// Gives whether the mark was taken off, so a failed rename can put it back.
bool take_read_only_off(const Platform::Path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
        return false;
    }
    return SetFileAttributesW(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}) != 0;
}

class WindowsPlatform : public Platform {
public:
    int status(const Path& path, FileStatus& status) const override {
        return path_status(path, true, status);
    }
    int link_status(const Path& path, FileStatus& status) const override {
        return path_status(path, false, status);
    }
    int handle_status(FileHandle file, FileStatus& status) const override {
        return status_of(handle_of(file), status);
    }
    FileHandle standard_input() const override {
        return reinterpret_cast<FileHandle>(GetStdHandle(STD_INPUT_HANDLE));
    }
    // Windows gives where a link finally leads, every link on the way
    // followed; the link rule then walks that path, which has none left.
    int read_link(const Path& path, Path& target) const override {
        HANDLE file = INVALID_HANDLE_VALUE;
        if (const int error = open_existing(path, FILE_READ_ATTRIBUTES, true, file); error != 0) {
            return error;
        }
        std::wstring name(MAX_PATH, L'\0');
        DWORD length = 0;
        for (;;) {
            length = GetFinalPathNameByHandleW(file, name.data(), static_cast<DWORD>(name.size()),
                                               FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
            if (length < name.size()) {
                break;
            }
            name.resize(length);
        }
        const int error = length == 0 ? last_error() : 0;
        CloseHandle(file);
        name.resize(length);
        // \\?\C:\... and \\?\UNC\server\... are the long forms of C:\... and
        // \\server\...
        if (name.starts_with(L"\\\\?\\UNC\\")) {
            name.erase(2, 6);
        } else if (name.starts_with(L"\\\\?\\") && name.size() > 6 && name[5] == L':') {
            name.erase(0, 4);
        }
        target = name;
        return error;
    }
    // Writable unless marked read-only, closed to the user, or open in a
    // program that lets no one else write to it. The mark is looked at
    // itself: an administrator (and root under Wine) may open such a file
    // for writing all the same.
    int may_write(const Path& path) const override {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return EACCES;
        }
        FileHandle file = NO_FILE;
        const int error = open_not_through_link(path, GENERIC_WRITE, file);
        if (error == 0) {
            close(file);
        }
        return error;
    }
    std::uint32_t user() const override { return 0; }
    std::uint32_t new_file_mode() const override { return 0666; }

    int open_read(const Path& path, FileHandle& file) const override {
        return open_not_through_link(path, GENERIC_READ, file);
    }
    int open_write(const Path& path, FileHandle& file) const override {
        return open_not_through_link(path, GENERIC_WRITE, file);
    }
    int open_unnamed(const Path& /*folder*/, std::uint32_t /*mode*/,
                     FileHandle& file) const override {
        file = NO_FILE;
        return EOPNOTSUPP;
    }
    int name_unnamed(FileHandle /*file*/, const Path& /*path*/) const override {
        return EOPNOTSUPP;
    }
    int create_new(const Path& path, FileHandle& file) const override {
        file = NO_FILE;
        if (names_a_device(path)) {
            return RESERVED_NAME;
        }
        const HANDLE created = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, SHARE_ALL,
                                           nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE) {
            return last_error();
        }
        file = reinterpret_cast<FileHandle>(created);
        return 0;
    }
    int close(FileHandle file) const override { return outcome(CloseHandle(handle_of(file))); }

    int read_at(FileHandle file, std::uint64_t offset, char* data, std::size_t size,
                std::size_t& got) const override {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD read = 0;
        const DWORD asked = size < MOST_AT_ONCE ? static_cast<DWORD>(size) : MOST_AT_ONCE;
        const BOOL done = ReadFile(handle_of(file), data, asked, &read, &at);
        got = read;
        // Reading from the end is no failure: it gives 0 bytes.
        return done != 0 || GetLastError() == ERROR_HANDLE_EOF ? 0 : last_error();
    }
    int write(FileHandle file, const char* data, std::size_t size,
              std::size_t& written) const override {
        const DWORD asked = size < MOST_AT_ONCE ? static_cast<DWORD>(size) : MOST_AT_ONCE;
        if (file == standard_output()) {
            // Through the C runtime, whose mode of its standard output sets
            // the line ends: text for the dialogue's console, binary for the
            // commands (see system/standard_streams.hpp).
            SetLastError(ERROR_SUCCESS);
            const int wrote = _write(STANDARD_OUTPUT, data, asked);
            written = wrote < 0 ? 0 : static_cast<std::size_t>(wrote);
            if (wrote >= 0) {
                return 0;
            }
            // The C runtime calls a pipe whose reader went away EINVAL;
            // WriteFile's own error tells it apart.
            return last_error() == EPIPE ? EPIPE : errno;
        }
        DWORD wrote = 0;
        const BOOL done = WriteFile(handle_of(file), data, asked, &wrote, nullptr);
        written = wrote;
        return outcome(done);
    }
    int truncate(FileHandle file, std::uint64_t length) const override {
        FILE_END_OF_FILE_INFO end{};
        end.EndOfFile.QuadPart = static_cast<LONGLONG>(length);
        return outcome(
            SetFileInformationByHandle(handle_of(file), FileEndOfFileInfo, &end, sizeof end));
    }
    int seek(FileHandle file, std::uint64_t offset) const override {
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(offset);
        return outcome(SetFilePointerEx(handle_of(file), at, nullptr, FILE_BEGIN));
    }
    int sync(FileHandle file) const override { return outcome(FlushFileBuffers(handle_of(file))); }
    // The permission bits have no counterpart but the read-only attribute,
    // and a read-only file is never saved over: nothing to give a new file.
    int set_mode(FileHandle /*file*/, std::uint32_t /*mode*/) const override { return 0; }
    // Every file has the owner 0 here (see the top), so this is never asked.
    int set_owner(FileHandle /*file*/, std::uint32_t /*owner*/,
                  std::uint32_t /*group*/) const override {
        return 0;
    }

    // MoveFileExW, returning once the rename is on the disk. Where it is
    // refused over an existing file, ReplaceFileW: it replaces a file that
    // this program holds open (to read the old content, or locked), which
    // MoveFileExW refuses, and it keeps the file's attributes and security.
    int rename(const Path& from, const Path& to) const override {
        if (names_a_device(to)) {
            return RESERVED_NAME;
        }
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
            return 0;
        }
        const int moved = last_error();
        const DWORD target = GetFileAttributesW(to.c_str());
        if (target == INVALID_FILE_ATTRIBUTES) {
            return moved;
        }
        if ((target & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return EISDIR;  // as POSIX says of a file renamed over a folder
        }
        const bool was_read_only = take_read_only_off(to);
        // Given in full: Wine's ReplaceFileW refuses a name without a folder
        // (ERROR_DIRECTORY), and the full names are the same files anyway.
        std::error_code ignored;
        const Path replaced = std::filesystem::absolute(to, ignored);
        const Path replacement = std::filesystem::absolute(from, ignored);
        const int error = outcome(ReplaceFileW(
            replaced.c_str(), replacement.c_str(), nullptr,
            REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr));
        if (error != 0 && was_read_only) {
            const DWORD attributes = GetFileAttributesW(to.c_str());
            SetFileAttributesW(to.c_str(), attributes | FILE_ATTRIBUTE_READONLY);
        }
        return error;
    }
    // A name goes whatever the file's read-only mark, as on POSIX (an older
    // backup moved aside may carry one).
    int remove(const Path& path) const override {
        if (DeleteFileW(path.c_str()) != 0) {
            return 0;
        }
        const int error = last_error();
        return error == EACCES && take_read_only_off(path) ? outcome(DeleteFileW(path.c_str()))
                                                           : error;
    }
    int link(const Path& from, const Path& to) const override {
        if (names_a_device(to)) {
            return RESERVED_NAME;
        }
        return outcome(CreateHardLinkW(to.c_str(), from.c_str(), nullptr));
    }
    // A folder flushed to the disk makes a rename in it durable where the
    // file system allows; one that cannot be flushed leaves it standing.
    int sync_folder(const Path& folder) const override {
        const HANDLE opened = CreateFileW(folder.c_str(), GENERIC_WRITE, SHARE_ALL, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return last_error();
        }
        const int error = outcome(FlushFileBuffers(opened));
        CloseHandle(opened);
        return error;
    }

    int list_folder(const Path& folder, std::vector<std::string>& names) const override {
        names.clear();
        WIN32_FIND_DATAW found{};
        const HANDLE listing = FindFirstFileExW((folder / L"*").c_str(), FindExInfoBasic, &found,
                                                FindExSearchNameMatch, nullptr, 0);
        if (listing == INVALID_HANDLE_VALUE) {
            return last_error();
        }
        do {
            const std::wstring_view name = found.cFileName;
            if (name != L"." && name != L"..") {
                names.push_back(utf8_of(name));  // names are UTF-8 in storage
            }
        } while (FindNextFileW(listing, &found) != 0);
        const DWORD error = GetLastError();
        FindClose(listing);
        return error == ERROR_NO_MORE_FILES ? 0 : error_number(error);
    }

    int lock(FileHandle file, LockMode mode, std::chrono::milliseconds patience) const override {
        return lock_byte_range(file, mode == LockMode::exclusive, patience);
    }
    int unlock(FileHandle file) const override { return unlock_byte_range(file); }
    int enter_turnstile(FileHandle file, bool stay) const override {
        const int error =
            lock_byte_range(file, stay, std::chrono::milliseconds(0), TURNSTILE_OFFSET);
        return error != 0 || stay ? error : leave_turnstile(file);
    }
    int leave_turnstile(FileHandle file) const override {
        return unlock_byte_range(file, TURNSTILE_OFFSET);
    }

    // A device or a pipe, open for writing as the system opens it.
    int open_input(const Path& path, FileHandle& file) const override {
        file = NO_FILE;
        if (names_a_device(path)) {
            return RESERVED_NAME;
        }
        const HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, SHARE_ALL, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return last_error();
        }
        file = reinterpret_cast<FileHandle>(opened);
        return 0;
    }
    int read(FileHandle file, char* data, std::size_t size, std::size_t& got) const override {
        DWORD read = 0;
        const DWORD asked = size < MOST_AT_ONCE ? static_cast<DWORD>(size) : MOST_AT_ONCE;
        const BOOL done = ReadFile(handle_of(file), data, asked, &read, nullptr);
        got = read;
        // A pipe whose writer is gone has simply ended.
        return done != 0 || GetLastError() == ERROR_BROKEN_PIPE ? 0 : last_error();
    }
    int open_stream(const Path& path, FileHandle& file) const override {
        file = NO_FILE;
        if (names_a_device(path)) {
            return RESERVED_NAME;
        }
        const HANDLE opened = CreateFileW(path.c_str(), GENERIC_WRITE, SHARE_ALL, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return last_error();
        }
        file = reinterpret_cast<FileHandle>(opened);
        return 0;
    }
    FileHandle standard_output() const override {
        return static_cast<FileHandle>(_get_osfhandle(STANDARD_OUTPUT));
    }
    FileHandle standard_error() const override {
        return reinterpret_cast<FileHandle>(GetStdHandle(STD_ERROR_HANDLE));
    }
    // %LOCALAPPDATA%\ugraph, the user's own place for what a program keeps.
    int state_folder(Path& folder, bool make) const override {
        std::wstring base(MAX_PATH, L'\0');
        const DWORD length =
            GetEnvironmentVariableW(L"LOCALAPPDATA", base.data(), static_cast<DWORD>(base.size()));
        if (length == 0 || length >= base.size()) {
            return ENOENT;
        }
        base.resize(length);
        folder = Path(base) / L"ugraph";
        if (make && CreateDirectoryW(folder.c_str(), nullptr) == 0 &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            return last_error();
        }
        return 0;
    }
    // Windows gives every file opened later a handle of its own, never the
    // number of a standard stream the program was started without, so none
    // needs a stand-in.
    void reserve_standard_handles() const override {}

    std::unique_ptr<SignalsHeld> hold_ending_signals() const override {
        return hold_console_events();
    }
    std::string describe(int error) const override {
        if (error == IN_USE) {
            return "Open in another program";
        }
        if (error == RESERVED_NAME) {
            return "A device name reserved by Windows";
        }
        if (error >= SYSTEM_ERROR) {
            return system_words(static_cast<DWORD>(error - SYSTEM_ERROR));
        }
        const std::string_view words = posix_words(error);
        return words.empty() ? std::strerror(error) : std::string(words);
    }
};

}  // namespace

const Platform& system_platform() {
    static const WindowsPlatform platform;
    return platform;
}

}  // namespace ugraph
