#pragma once
// The whole-text file operations of a save, through a platform.
//  - write_all: all of the text at the file's position, going on after
//    short writes; 0 or the error (ENOSPC for a write that took nothing).
//  - read_all: the whole content of an open file from its first byte,
//    whatever its position; 0 or the error, `content` then incomplete.
#include <string>
#include <string_view>

#include "storage/platform.hpp"

namespace ugraph {

int write_all(const Platform& platform, FileHandle file, std::string_view text);

int read_all(const Platform& platform, FileHandle file, std::string& content);

}  // namespace ugraph
