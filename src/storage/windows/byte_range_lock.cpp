#include "storage/windows/byte_range_lock.hpp"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "storage/windows/win32_values.hpp"

namespace ugraph {
namespace {

// The first pause between two tries, and the longest.
constexpr std::chrono::milliseconds FIRST_PAUSE{1};
constexpr std::chrono::milliseconds LONGEST_PAUSE{20};

OVERLAPPED lock_place(std::uint64_t offset) {
    OVERLAPPED place{};
    place.Offset = static_cast<DWORD>(offset);
    place.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return place;
}

}  // namespace

int lock_byte_range(FileHandle file, bool exclusive, std::chrono::milliseconds patience,
                    std::uint64_t offset) {
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    const auto deadline = std::chrono::steady_clock::now() + patience;
    auto pause = std::chrono::duration_cast<std::chrono::steady_clock::duration>(FIRST_PAUSE);
    for (;;) {
        OVERLAPPED place = lock_place(offset);
        if (LockFileEx(handle_of(file), flags, 0, 1, 0, &place) != 0) {
            return 0;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
            return error_number(error);
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            return EWOULDBLOCK;
        }
        std::this_thread::sleep_for(std::min(pause, deadline - now));
        pause = std::min<std::chrono::steady_clock::duration>(pause * 2, LONGEST_PAUSE);
    }
}

int unlock_byte_range(FileHandle file, std::uint64_t offset) {
    OVERLAPPED place = lock_place(offset);
    return UnlockFileEx(handle_of(file), 0, 1, 0, &place) != 0 ? 0 : error_number(GetLastError());
}

}  // namespace ugraph
