#include "storage/file_io.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "storage/unique_fd.hpp"

namespace ugraph {

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

bool read_all(int fd, std::string& content) {
    content.clear();
    std::array<char, std::size_t{64} * 1024> chunk{};
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, chunk.data(), chunk.size(), at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        content.append(chunk.data(), static_cast<std::size_t>(got));
        at += got;
    }
}

void sync_folder(const std::filesystem::path& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        (void)::fsync(fd.get());
    }
}

}  // namespace ugraph
