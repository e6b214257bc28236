#include "storage/file_io.hpp"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <vector>

namespace ugraph {
namespace {

constexpr std::size_t CHUNK_BYTES = std::size_t{64} * 1024;

// Hands the bytes from `begin` up to `end` or the file's end to `take`, a
// chunk at a time; 0 or the first error.
int each_chunk(const Platform& platform, FileHandle file, std::uint64_t begin, std::uint64_t end,
               const std::function<int(std::string_view)>& take) {
    std::vector<char> chunk(CHUNK_BYTES);
    for (std::uint64_t at = begin; at < end;) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), end - at));
        std::size_t got = 0;
        if (const int error = platform.read_at(file, at, chunk.data(), wanted, got); error != 0) {
            return error;
        }
        if (got == 0) {
            return 0;
        }
        if (const int error = take(std::string_view(chunk.data(), got)); error != 0) {
            return error;
        }
        at += got;
    }
    return 0;
}

}  // namespace

int write_all(const Platform& platform, FileHandle file, std::string_view text,
              std::uint64_t* written) {
    while (!text.empty()) {
        std::size_t wrote = 0;
        const int error = platform.write(file, text.data(), text.size(), wrote);
        if (written != nullptr) {
            *written += wrote;
        }
        if (error != 0) {
            return error;
        }
        if (wrote == 0) {
            return ENOSPC;  // else it would go on for ever
        }
        text.remove_prefix(wrote);
    }
    return 0;
}

int read_all(const Platform& platform, FileHandle file, std::string& content) {
    return read_range(platform, file, 0, TO_THE_END, content);
}

int read_range(const Platform& platform, FileHandle file, std::uint64_t begin, std::uint64_t end,
               std::string& content) {
    content.clear();
    return each_chunk(platform, file, begin, end, [&](std::string_view piece) {
        content.append(piece);
        return 0;
    });
}

int copy_range(const Platform& platform, FileHandle from, std::uint64_t begin, std::uint64_t end,
               FileHandle to) {
    return each_chunk(platform, from, begin, end,
                      [&](std::string_view piece) { return write_all(platform, to, piece); });
}

}  // namespace ugraph
