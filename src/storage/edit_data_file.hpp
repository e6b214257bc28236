#pragma once
// edit_data_file: the data file rewritten by an edit of some of its
// data-inputs (see data_input_edits.hpp), replaced safely as a save is (see
// rewrite_file): locked from the read of the old content to the end
// (`waiting` is told once if another program makes it wait), the content it
// replaces kept as the file's ".bak". The edit reads the old content (the
// raw bytes, able to seek) and writes the new one, so memory does not grow
// with the file. An edit that finds nothing to change sets `unchanged` and
// writes nothing: the file is then left untouched, and no backup replaces
// the one there was.
//
// Gives how the file was replaced; refused, the file kept and nothing
// written, with the whole sentence to tell (see storage_messages.hpp): a
// missing file or one that cannot be read, a refusal of the edit (told as
// "nothing was <undone> FILE: <its reason>", e.g. undone "deleted from"),
// or the replacement refused, a failed write of the new content included.
#include <filesystem>
#include <functional>
#include <istream>
#include <ostream>
#include <string_view>

#include "common/result.hpp"
#include "storage/file_replace.hpp"
#include "storage/platform.hpp"

namespace ugraph {

using DataFileEdit =
    std::function<Result<>(std::istream& old_content, std::ostream& new_content, bool& unchanged)>;

Result<ReplaceReport> edit_data_file(const std::filesystem::path& file, const DataFileEdit& edit,
                                     std::string_view undone, const Platform& platform,
                                     const std::function<void()>& waiting);

}  // namespace ugraph
