#pragma once
// The data file's lock on Windows, ready for the platform's lock and unlock
// (shared or exclusive, one per handle, released by unlock or by closing the
// handle, however the program ends).
//
// Windows locks are byte ranges, and they are mandatory: a range locked by
// one handle refuses reads and writes through every other. So the lock is on
// one byte far beyond the end of any data file (LOCK_OFFSET), which no
// reader or writer ever reaches, as Windows programs lock their files; a
// file open for reading only may hold it, exclusive too.
//
//   lock_byte_range    takes the lock, trying again after growing pauses
//                      for as long as `patience` while another handle holds
//                      it; 0, EWOULDBLOCK when the patience ran out, or the
//                      error of a file that cannot be locked at all.
//   unlock_byte_range  gives it up; 0 or the error.
#include <chrono>
#include <cstdint>

#include "storage/platform.hpp"

namespace ugraph {

inline constexpr std::uint64_t LOCK_OFFSET = 0x7fff'ffff'0000'0000;
// The byte after it holds the platform's turnstile the same way.
inline constexpr std::uint64_t TURNSTILE_OFFSET = LOCK_OFFSET + 1;

int lock_byte_range(FileHandle file, bool exclusive, std::chrono::milliseconds patience,
                    std::uint64_t offset = LOCK_OFFSET);

int unlock_byte_range(FileHandle file, std::uint64_t offset = LOCK_OFFSET);

}  // namespace ugraph
