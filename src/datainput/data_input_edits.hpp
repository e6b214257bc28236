#pragma once
// Edits of single data-inputs in the data file's raw bytes: each reads the
// old content and writes the new one, every byte outside the data-inputs it
// changes kept as it was (free text, CR LF line ends, a Ctrl-Z and all that
// follows it). Data-inputs are found and numbered by DataInputReader, so they
// are the ones every listing shows.
//
// The old content is read twice, a buffer at a time: once to find the
// data-inputs and take the content's fingerprint, then again, by seeking to
// byte offsets, to copy it. It must be the raw bytes (a stream opened in
// binary mode) and able to seek; memory stays flat whatever its size.
// Refused, with a clause that says why and nothing worth keeping written:
// no data-input of that number, the data-input left open by the end of the
// file, content that cannot be read or sought, output that cannot be
// written, and what each edit refuses below.
//
// A data-input "stands alone on its line" when everything else on the lines
// it spans, before its "[" and after its "]", is blanks (spaces and tabs),
// and its "]" is followed, after those blanks, by a line end (LF or CR LF) or
// by the end of the content (the file's end or its Ctrl-Z). Its line is then
// those blanks, its text and that line end.
//
//   replace_data_input  data-input N's text, "[" to "]", becomes `text`,
//                       which must be one data-input itself ("[" first, "]"
//                       last and nowhere else, no "[", CR or Ctrl-Z inside).
//                       With `loaded`, refused when the content's
//                       fingerprint is no longer that one (CHANGED_MEANWHILE).
//                       Or the text is made from the old data-input N as
//                       the content holds it, in the same pass that finds it
//                       (a refusal of `make` stops the edit).
//   delete_data_inputs  the data-inputs of these numbers go: a data-input
//                       alone on its line takes its line with it; one with
//                       free text or another data-input beside it goes
//                       alone, the rest of its line kept.
//   rename_data_input   only the bytes between data-input N's first two
//                       double quotes become `name` (not checked here, see
//                       name_rules.hpp); refused when it has no two quotes.
//                       With `unchanged`, told whether the data-input holds
//                       the name already, and then nothing is written.
//   move_data_input     data-input N becomes number M, the others keeping
//                       their order. When both N and M stand alone on their
//                       lines, N's line goes before M's line (M < N) or after
//                       it (M > N). Where the last line of the content has no
//                       line end, one moves along so that the lines stay
//                       apart: N's own goes before it when it goes after that
//                       last line, and the one before N's line goes with it
//                       when N's was that last line. Otherwise N's text alone
//                       goes directly before M's "[" or after its "]", and the
//                       free text that stood around N stays where it was,
//                       joined. No byte is added or lost.
#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "datainput/content_fingerprint.hpp"
#include "datainput/data_input_reader.hpp"

namespace ugraph {

Result<> replace_data_input(std::istream& old_content, std::ostream& new_content, int number,
                            std::string_view text,
                            const std::optional<Fingerprint>& loaded = std::nullopt);

// Makes a data-input's new text from its old one.
using NewText = std::function<Result<std::string>(const DataInput& old)>;

Result<> replace_data_input(std::istream& old_content, std::ostream& new_content, int number,
                            const NewText& make,
                            const std::optional<Fingerprint>& loaded = std::nullopt);

Result<> delete_data_inputs(std::istream& old_content, std::ostream& new_content,
                            std::span<const int> numbers);

Result<> rename_data_input(std::istream& old_content, std::ostream& new_content, int number,
                           std::string_view name, bool* unchanged = nullptr);

Result<> move_data_input(std::istream& old_content, std::ostream& new_content, int from, int to);

}  // namespace ugraph
