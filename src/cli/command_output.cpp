#include "cli/command_output.hpp"

#include <utility>

#include "cli/command_status.hpp"
#include "storage/file_replace.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {

CommandOutput::CommandOutput(std::ostream& out, std::optional<std::filesystem::path> file)
    : out_(out), file_(std::move(file)) {}

void CommandOutput::flush_if_full() {
    if (!file_ && text_.size() >= FLUSH_AT) {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }
}

bool CommandOutput::finish(std::ostream& err) {
    if (!file_) {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        return true;
    }
    const Result<ReplaceReport> replaced = replace_file_contents(*file_, text_);
    if (!replaced) {
        tell_error(err, replace_failure(*file_, replaced.refusal()));
    }
    return replaced.ok();
}

}  // namespace ugraph
