#include "cli/command_output.hpp"

#include <cerrno>
#include <utility>

#include "cli/command_status.hpp"
#include "common/path_text.hpp"
#include "storage/file_replace.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

// The stream's buffer, where it keeps the error of its last write.
const OutputBuffer* buffer_of(const std::ostream& stream) {
    return dynamic_cast<const OutputBuffer*>(stream.rdbuf());
}

// The status of a stream that was written: `status`, 141 for a reader gone,
// else 2 after telling what could not be written.
int checked(std::ostream& stream, std::ostream& err, int status, const std::string& what) {
    stream.flush();
    if (!output_failed(stream)) {
        return status;
    }
    const OutputBuffer* buffer = buffer_of(stream);
    const int error = buffer == nullptr ? 0 : buffer->error();
    if (error == EPIPE) {
        return EXIT_CLOSED_PIPE;
    }
    tell_error(err, "cannot write to " + what +
                        (error == 0 ? "" : " (" + buffer->platform().describe(error) + ")"));
    return EXIT_USAGE;
}

}  // namespace

int finish_output(std::ostream& out, std::ostream& err, int status) {
    return checked(out, err, status, "standard output");
}

CommandOutput::CommandOutput(const Platform& platform, std::ostream& out,
                             std::optional<fs::path> file)
    : platform_(platform), out_(out), file_(std::move(file)) {}

CommandOutput::~CommandOutput() = default;

bool CommandOutput::open(const fs::path& data_file, std::ostream& err) {
    if (!file_ || *file_ == "-") {
        return true;
    }
    const Platform& platform = platform_;
    FileStatus target;
    way_ = Way::replace;
    if (platform.status(*file_, target) != 0) {
        return true;  // made new; any other fault is the replacement's to tell
    }
    FileStatus data;
    // With -f - the data is read from standard input, whatever file that is.
    const int reached = data_file == "-" ? platform.handle_status(platform.standard_input(), data)
                                         : platform.status(data_file, data);
    if (!data_file.empty() && reached == 0 && same_file(target, data)) {
        tell_error(err, "-o " + utf8_of(*file_) + " is the data file " + utf8_of(data_file) +
                            " (the same file); -o never writes over it, so nothing was written");
        return false;
    }
    FileStatus standard;
    if (platform.handle_status(platform.standard_output(), standard) == 0 &&
        same_file(target, standard)) {
        way_ = Way::standard_output;
        return true;
    }
    if (target.kind == FileStatus::Kind::regular || target.kind == FileStatus::Kind::folder) {
        return true;
    }
    FileHandle opened = NO_FILE;
    if (const int error = platform.open_stream(*file_, opened); error != 0) {
        tell_error(err,
                   "cannot write to " + utf8_of(*file_) + " (" + platform.describe(error) + ")");
        return false;
    }
    way_ = Way::stream;
    stream_file_ = UniqueFile(platform, opened);
    stream_buffer_ = std::make_unique<OutputBuffer>(platform, opened);
    stream_ = std::make_unique<std::ostream>(stream_buffer_.get());
    return true;
}

bool CommandOutput::flush_if_full() {
    if (way_ == Way::replace || text_.size() < FLUSH_AT) {
        return true;
    }
    std::ostream& to = way_ == Way::stream ? *stream_ : out_;
    to.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
    return !output_failed(to);
}

int CommandOutput::finish(std::ostream& err, int status) {
    if (way_ == Way::replace) {
        const Result<ReplaceReport> replaced = replace_file_contents(
            *file_, text_,
            {.keep_backup = false, .waiting = [&] { tell_error(err, waiting_note(*file_)); }},
            platform_);
        if (!replaced) {
            tell_error(err, replace_failure(*file_, replaced.refusal()));
            return EXIT_USAGE;
        }
        return status;
    }
    std::ostream& to = way_ == Way::stream ? *stream_ : out_;
    to.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
    if (way_ == Way::standard_output) {
        return status;  // standard output is checked once the command is done
    }
    const int written = checked(to, err, status, utf8_of(*file_));
    const Platform& platform = platform_;
    if (const int error = platform.close(stream_file_.release()); error != 0 && written == status) {
        tell_error(err,
                   "cannot write to " + utf8_of(*file_) + " (" + platform.describe(error) + ")");
        return EXIT_USAGE;
    }
    return written;
}

}  // namespace ugraph
