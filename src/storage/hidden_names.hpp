#pragma once
// The hidden names of the files a replacement makes beside a file NAME:
// ".NAME.XXXXXX" for the new content and ".NAME.bak.XXXXXX" for a backup on
// its way (or an older backup moved aside), XXXXXX being six random letters
// and digits, so that two programs never pick the same name.
//
// hidden_stem: ".NAME"; or, where ".NAME.XXXXXX" would pass NAME_MAX_BYTES,
// the start of NAME that leaves room for "~" and eight hex digits of a
// checksum of the whole name, so that every name that fits can be replaced
// and two long names with the same start keep hidden names apart.
//
// link_to_fresh_name: tries an operation that makes a new name (a file, a
// link) on fresh hidden names of NAME in the folder until one is free;
// gives the path taken, or nothing with `error` set.
//
// NAME is the file's name as UTF-8 text (see common/path_text.hpp), and so
// are the names list_folder gives: a path is only ever made from them
// through path_from_utf8, so a name Windows' narrow code page cannot spell
// stays whole.
//
// clear_leftovers: removes from the folder every hidden name of NAME and of
// NAME.bak, which only a kill in the middle of a replacement leaves behind
// once the replacement is over; called while the file is locked, when no
// other replacement of it is under way.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "storage/platform.hpp"

namespace ugraph {

// The longest file name of the usual file systems, in bytes.
inline constexpr std::size_t NAME_MAX_BYTES = 255;

std::string hidden_stem(std::string_view name);

std::filesystem::path link_to_fresh_name(
    const std::filesystem::path& folder, const std::string& name,
    const std::function<int(const std::filesystem::path&)>& make_name, int& error);

void clear_leftovers(const std::filesystem::path& folder, const std::string& name,
                     const Platform& platform);

}  // namespace ugraph
