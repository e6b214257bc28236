#pragma once
// What becomes of a command's output: a write that fails is a failure.
//
//   finish_output  flushes the command's standard output and gives its exit
//                  status: the command's own when everything went out;
//                  EXIT_CLOSED_PIPE, without a word, when the reader of a
//                  pipe went away (as if the signal of a closed pipe had
//                  ended it, whether or not that signal is ignored); else
//                  EXIT_USAGE after "ugraph: cannot write to standard output
//                  (reason)" on `err` (a full disk, a closed stream).
//   output_failed  whether a write to the stream failed, so that a command
//                  stops reading at once.
//
//   CommandOutput  where the text of export and convert goes with -o OUTFILE:
//     - standard output: without OUTFILE, with "-", or an OUTFILE that is
//       the standard output under another name (/dev/stdout, /dev/fd/1);
//     - a regular file, or none yet: replaced in one piece at the end (see
//       replace_file_contents), so a failed export never leaves half a file;
//     - anything else (a FIFO, a device such as /dev/null, a terminal):
//       written as a stream, never renamed over;
//     - the data file itself (none when empty), under any name: refused,
//       nothing written.
//   The text builds up in text(); flush_if_full() passes it on where it goes
//   as a stream (false once a write failed: stop), finish() gives the exit
//   status as finish_output does for a stream or a file, telling a failure
//   in one line, and leaves standard output to finish_output. Every call to
//   the system goes through the platform given.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "storage/output_buffer.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {

// The status of a program ended by the signal of a closed pipe (128 + 13).
inline constexpr int EXIT_CLOSED_PIPE = 141;

int finish_output(std::ostream& out, std::ostream& err, int status);

inline bool output_failed(const std::ostream& out) { return !out.good(); }

class CommandOutput {
public:
    // Standard output gets the text in pieces of about this size as it grows.
    static constexpr std::size_t FLUSH_AT = std::size_t{256} * 1024;

    CommandOutput(const Platform& platform, std::ostream& out,
                  std::optional<std::filesystem::path> file);
    CommandOutput(const CommandOutput&) = delete;
    CommandOutput& operator=(const CommandOutput&) = delete;
    ~CommandOutput();

    // Sees where the text goes and opens a stream; false after telling err
    // why it cannot go there.
    bool open(const std::filesystem::path& data_file, std::ostream& err);
    std::string& text() { return text_; }
    bool flush_if_full();
    int finish(std::ostream& err, int status);

private:
    enum class Way { standard_output, stream, replace };

    const Platform& platform_;
    std::ostream& out_;
    std::optional<std::filesystem::path> file_;
    Way way_ = Way::standard_output;
    UniqueFile stream_file_;
    std::unique_ptr<OutputBuffer> stream_buffer_;
    std::unique_ptr<std::ostream> stream_;
    std::string text_;
};

}  // namespace ugraph
