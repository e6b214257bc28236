#pragma once
// The data file's raw bytes as the data-input edits see them: where the
// data-inputs stand and how to copy spans of the content. The stream is the
// raw content, able to seek; every read goes a buffer at a time.
//
//   survey          reads the content once: the data-inputs of the numbers
//                   asked for (ascending), how many there are, and where
//                   asked the fingerprint (a second pass over every byte, in
//                   memory); then rewinds. It stops at the last number asked
//                   for when every one is found: `count` is then that
//                   number, and only a missing one needs the true count.
//                   Refused when a read fails or the stream cannot rewind.
//   line_of         the line a data-input stands alone on (see
//                   data_input_edits.hpp), or nothing when it has company.
//   quotes_of       the raw offsets of a data-input's first two double
//                   quotes, or nothing when it has fewer.
//   line_end_before  where the line end that ends at a line's first byte
//                   starts: its CR, or its LF.
//   copy_spans      writes the spans in order; refused when a read, a seek
//                   or the write fails.
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <utility>
#include <vector>

#include "common/result.hpp"
#include "datainput/content_fingerprint.hpp"
#include "datainput/data_input_reader.hpp"

namespace ugraph {

// A span of the old content, [from, to), or a text of its own when `text` is set.
struct Span {
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    std::string_view text{};
    bool literal = false;
};

inline Span old_bytes(std::uint64_t from, std::uint64_t to) { return {from, to, {}, false}; }
inline Span new_text(std::string_view text) { return {0, 0, text, true}; }

// Stands for the end of the content in a span.
inline constexpr std::uint64_t TO_THE_END = UINT64_MAX;

struct Survey {
    std::vector<DataInput> found;  // the ones asked for that the content holds, ascending
    int count = 0;                 // exact when a number asked for is missing
    Fingerprint fingerprint;       // where asked for
};

enum class Fingerprinted { no, yes };

Result<Survey> survey(std::istream& content, std::span<const int> wanted,
                      Fingerprinted taken = Fingerprinted::no);

struct AloneLine {
    std::uint64_t start = 0;        // the line's first byte
    std::uint64_t content_end = 0;  // after the blanks that follow the "]"
    std::uint64_t end = 0;          // after its line end; content_end when it has none
};

Result<std::optional<AloneLine>> line_of(std::istream& content, const DataInput& input);

Result<std::optional<std::pair<std::uint64_t, std::uint64_t>>> quotes_of(std::istream& content,
                                                                         const DataInput& input);

Result<std::uint64_t> line_end_before(std::istream& content, std::uint64_t line_start);

Result<> copy_spans(std::istream& content, std::ostream& out, std::span<const Span> spans);

// "there is no data-input 7; the file holds 5", or the words for one left open.
Result<> may_change(const Survey& seen, int number);
const DataInput& found_input(const Survey& seen, int number);

}  // namespace ugraph
