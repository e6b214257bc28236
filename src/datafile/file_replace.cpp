#include "datafile/file_replace.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace ugraph {
namespace fs = std::filesystem;

const FileSystemCalls& system_file_calls() {
    static const FileSystemCalls calls{::mkstemp, ::write, ::fsync, ::close, ::rename, ::unlink};
    return calls;
}

namespace {

constexpr int MAX_LINK_HOPS = 40;

std::string describe(int error_number) { return std::strerror(error_number); }

// Follows symbolic links to the file that really receives the text.
std::optional<fs::path> final_target(fs::path path, std::string& error) {
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) {
            return path;
        }
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            error = ec.message();
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = describe(ELOOP);
    return std::nullopt;
}

struct TargetInfo {
    bool exists = false;
    struct stat status {};
};

// Checks that the target may be replaced, and notes what to keep of it.
bool inspect_target(const fs::path& target, TargetInfo& info, std::string& error) {
    if (::stat(target.c_str(), &info.status) != 0) {
        if (errno == ENOENT) {
            return true;
        }
        error = describe(errno);
        return false;
    }
    info.exists = true;
    if (S_ISDIR(info.status.st_mode)) {
        error = describe(EISDIR);
        return false;
    }
    if (!S_ISREG(info.status.st_mode)) {
        error = "not a regular file";
        return false;
    }
    if (::access(target.c_str(), W_OK) != 0) {
        error = describe(errno);
        return false;
    }
    return true;
}

mode_t new_file_mode(const TargetInfo& info) {
    if (info.exists) {
        return info.status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

// Writes the text into the open temporary file and closes it; the
// descriptor is closed whatever happens.
bool fill_temporary(const FileSystemCalls& calls, int fd, std::string_view text,
                    const TargetInfo& info) {
    bool ok =
        ::fchmod(fd, new_file_mode(info)) == 0 && write_all(calls, fd, text) && calls.sync(fd) == 0;
    if (ok && info.exists) {
        // Only a privileged user may give a file away; failing that, the new
        // file stays the user's own, as if they had written it anew.
        const int ignored = ::fchown(fd, info.status.st_uid, info.status.st_gid);
        (void)ignored;
    }
    const int saved = errno;
    if (calls.close(fd) != 0) {
        ok = false;
    } else {
        errno = saved;
    }
    return ok;
}

void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems cannot sync a folder; the rename stands anyway.
        (void)::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool replace_file_contents(const fs::path& target_path, std::string_view text, std::string& error,
                           const FileSystemCalls& calls) {
    const std::optional<fs::path> target = final_target(target_path, error);
    TargetInfo info;
    if (!target || !inspect_target(*target, info, error)) {
        return false;
    }
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    // Built up piece by piece: GCC 12 sees a false overlap in one chained "+".
    std::string hidden_name = ".";
    hidden_name += target->filename().string();
    hidden_name += ".XXXXXX";
    const std::string pattern = (folder / hidden_name).string();
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');

    const int fd = calls.make_temp(temporary.data());
    if (fd < 0) {
        error = describe(errno);
        return false;
    }
    if (!fill_temporary(calls, fd, text, info) ||
        calls.rename(temporary.data(), target->c_str()) != 0) {
        error = describe(errno);
        calls.remove(temporary.data());
        return false;
    }
    sync_folder(folder);
    return true;
}

}  // namespace ugraph
