#pragma once
// The hidden names of the files ugraph makes beside a file NAME, each
// marked so that no user's file is ever taken for one:
//  - ".NAME.~ugraph.RRRRRRCCCC": the new content on its way, and
//    ".NAME.bak.~ugraph.RRRRRRCCCC" a backup on its way (or an older backup
//    moved aside). RRRRRR: six random letters and digits, so that two
//    programs never pick the same name; CCCC: four hex digits of a checksum
//    of everything before them, so that a name a user made by hand, even in
//    the same shape, is not one of ugraph's.
//  - ".NAME.~ugraph-journal": the old content of a rewrite in place under
//    way (see rewrite_journal.hpp); one per file, found by its name.
//
// hidden_stem: ".NAME"; or, where a hidden name would pass NAME_MAX_BYTES,
// the start of NAME that leaves room for "~" and eight hex digits of a
// checksum of the whole name, so that every name that fits can be replaced
// and two long names with the same start keep hidden names apart.
//
// fresh_hidden_name: a new marked name for NAME; is_hidden_name: whether a
// name is a marked name of NAME; journal_name: the journal's name.
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
// clear_leftovers: removes from the folder every marked name of NAME and
// of NAME.bak, which only a kill in the middle of a replacement leaves
// behind once the replacement is over; called while the file is locked, when
// no other replacement of it is under way. Names that only look alike stay.
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

std::string fresh_hidden_name(std::string_view name);
bool is_hidden_name(std::string_view candidate, std::string_view name);
std::string journal_name(std::string_view name);

std::filesystem::path link_to_fresh_name(
    const std::filesystem::path& folder, const std::string& name,
    const std::function<int(const std::filesystem::path&)>& make_name, int& error);

void clear_leftovers(const std::filesystem::path& folder, const std::string& name,
                     const Platform& platform);

}  // namespace ugraph
