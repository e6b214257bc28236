#include "dialogue/save_data_input.hpp"

#include <string>

#include "common/path_text.hpp"
#include "datainput/data_input_text.hpp"
#include "storage/file_replace.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {

bool save_data_input(Console& console, const UGraph& graph, const std::filesystem::path& file,
                     const Platform& platform) {
    const std::string text = written_form(graph);
    if (text.size() > MAX_DATA_INPUT_CHARS) {
        console.write_line("Error: the Ugraph is too large for one data-input (over " +
                           std::to_string(MAX_DATA_INPUT_CHARS) + " characters); " + utf8_of(file) +
                           " was not changed");
        return false;
    }
    console.write_line(text);
    console.wait_for_char();
    if (graph.node_count() < 1) {
        console.write_line(
            "Error: a Ugraph without nodes is not saved, because it could not be "
            "loaded back; " +
            utf8_of(file) + " was left as it was");
        return false;
    }
    const ReplaceOptions options{.keep_backup = true, .waiting = [&] {
                                     console.write_line("Note: " + waiting_note(file));
                                     console.flush();
                                 }};
    const Result<ReplaceReport> saved = replace_file_contents(file, text, options, platform);
    if (!saved) {
        console.write_line("Error: " + replace_failure(file, saved.refusal()));
        return false;
    }
    if (saved.value().backup_refused_by_folder) {
        console.write_line("Note: " + no_backup_note(file));
    }
    if (!saved.value().backup_elsewhere.empty()) {
        console.write_line("Note: " + backup_elsewhere_note(file, saved.value().backup_elsewhere));
    }
    return true;
}

}  // namespace ugraph
