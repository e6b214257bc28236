#include "storage/file_io.hpp"

#include <array>
#include <cerrno>

namespace ugraph {

int write_all(const Platform& platform, FileHandle file, std::string_view text) {
    while (!text.empty()) {
        std::size_t written = 0;
        if (const int error = platform.write(file, text.data(), text.size(), written); error != 0) {
            return error;
        }
        if (written == 0) {
            return ENOSPC;  // else it would go on for ever
        }
        text.remove_prefix(written);
    }
    return 0;
}

int read_all(const Platform& platform, FileHandle file, std::string& content) {
    content.clear();
    std::array<char, std::size_t{64} * 1024> chunk{};
    for (std::uint64_t at = 0;;) {
        std::size_t got = 0;
        if (const int error = platform.read_at(file, at, chunk.data(), chunk.size(), got);
            error != 0) {
            return error;
        }
        if (got == 0) {
            return 0;
        }
        content.append(chunk.data(), got);
        at += got;
    }
}

}  // namespace ugraph
