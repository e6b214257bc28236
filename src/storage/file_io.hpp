#pragma once
// The whole-text file operations of a replacement, through a platform.
//  - write_all: all of the text at the file's position, going on after
//    short writes; 0 or the error (ENOSPC for a write that took nothing).
//    `written`, where given, gets the count of bytes that went out, also
//    when it fails, so that a rewrite knows how much to put back.
//  - read_all: the whole content of an open file from its first byte,
//    whatever its position; 0 or the error, `content` then incomplete.
//  - read_range: the bytes from `begin` up to `end` or the file's end.
//  - copy_range: the same bytes written to another file at its position, a
//    buffer at a time, so that memory does not grow with the file.
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/platform.hpp"

namespace ugraph {

inline constexpr std::uint64_t TO_THE_END = UINT64_MAX;

int write_all(const Platform& platform, FileHandle file, std::string_view text,
              std::uint64_t* written = nullptr);

int read_all(const Platform& platform, FileHandle file, std::string& content);

int read_range(const Platform& platform, FileHandle file, std::uint64_t begin, std::uint64_t end,
               std::string& content);

int copy_range(const Platform& platform, FileHandle from, std::uint64_t begin, std::uint64_t end,
               FileHandle to);

}  // namespace ugraph
