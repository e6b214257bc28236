#pragma once
// append_data_inputs: the data file with further data-inputs added, replaced
// safely as a save is (see rewrite_file), keeping the content it
// replaces as the file's ".bak", and locked from the read of the old content
// to the end (`waiting` is told once if another program makes it wait).
//
// Takes the text of whole data-inputs, one a line. They go in before a
// Ctrl-Z, which would hide them from every reader, on a line of their own,
// and never behind a data-input the file leaves open, which would swallow
// them. The file's content is read and copied a buffer at a time, never
// whole, so memory does not grow with it. A missing data file is made. Gives
// how the file was replaced; refused, the file kept, with the whole sentence
// to tell (see storage_messages.hpp): the file cannot be read, it ends
// inside a data-input, or the replacement was refused.
#include <filesystem>
#include <functional>
#include <string_view>

#include "common/result.hpp"
#include "storage/file_replace.hpp"
#include "storage/platform.hpp"

namespace ugraph {

Result<ReplaceReport> append_data_inputs(const std::filesystem::path& file, std::string_view added,
                                         const Platform& platform,
                                         const std::function<void()>& waiting);

}  // namespace ugraph
