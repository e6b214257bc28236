#include "cli/data_file_edit.hpp"

#include <CLI/CLI.hpp>

#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "common/path_text.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {

int edit_or_tell(CommandContext& context, const Parsed& parsed, const std::string& file,
                 const DataFileEdit& edit, std::string_view undone) {
    std::ostream& err = context.err;
    if (file == STANDARD_STREAM) {
        return parsed.usage(
            err, parsed.command.get_name() + " rewrites the data file, which '-f -' cannot be");
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

}  // namespace ugraph
