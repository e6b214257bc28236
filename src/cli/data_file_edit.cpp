#include "cli/data_file_edit.hpp"

#include <CLI/CLI.hpp>

#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "common/path_text.hpp"
#include "datainput/raw_content.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace {

int refuse_standard_input(std::ostream& err, const Parsed& parsed) {
    return parsed.usage(
        err, parsed.command.get_name() + " rewrites the data file, which '-f -' cannot be");
}

}  // namespace

int edit_or_tell(CommandContext& context, const Parsed& parsed, const std::string& file,
                 const DataFileEdit& edit, std::string_view undone) {
    std::ostream& err = context.err;
    if (file == STANDARD_STREAM) {
        return refuse_standard_input(err, parsed);
    }
    const std::filesystem::path path = path_from_utf8(file);
    const Result<ReplaceReport> edited = edit_data_file(
        path, edit, undone, context.platform, [&] { tell_error(err, waiting_note(path)); });
    if (!edited) {
        tell_error(err, edited.reason());
        return EXIT_USAGE;
    }
    if (edited.value().backup_refused_by_folder) {
        tell_error(err, no_backup_note(path));
    }
    if (!edited.value().backup_elsewhere.empty()) {
        tell_error(err, backup_elsewhere_note(path, edited.value().backup_elsewhere));
    }
    return EXIT_DONE;
}

int look_or_tell(CommandContext& context, const Parsed& parsed, const std::string& file,
                 std::span<const int> numbers, std::string_view undone) {
    std::ostream& err = context.err;
    if (file == STANDARD_STREAM) {
        return refuse_standard_input(err, parsed);
    }
    const std::filesystem::path path = path_from_utf8(file);
    Result<std::unique_ptr<DataFileStream>> data = DataFileStream::open(
        path, {.waiting = [&] { tell_error(err, waiting_note(path)); }}, context.platform);
    if (!data) {
        tell_error(err, cannot_read(path, data.reason()));
        return EXIT_USAGE;
    }
    Result<Survey> seen = survey(data.value()->stream(), numbers);
    for (const int number : numbers) {
        const Result<> may = seen ? may_change(seen.value(), number) : seen.refusal();
        if (!may) {
            tell_error(err, edit_refused(path, undone, may.reason()));
            return EXIT_USAGE;
        }
    }
    return EXIT_DONE;
}

}  // namespace ugraph
