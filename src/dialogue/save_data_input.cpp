#include "dialogue/save_data_input.hpp"

#include <string>

#include "common/path_text.hpp"
#include "datainput/data_input_text.hpp"
#include "storage/file_replace.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {

std::optional<std::string> show_written_form(Console& console, const UGraph& graph,
                                             const std::filesystem::path& file) {
    std::string text = written_form(graph);
    if (text.size() > MAX_DATA_INPUT_CHARS) {
        console.write_line("Error: the Ugraph is too large for one data-input (over " +
                           std::to_string(MAX_DATA_INPUT_CHARS) + " characters); " + utf8_of(file) +
                           " was not changed");
        return std::nullopt;
    }
    console.write_line(text);
    console.wait_for_char();
    if (graph.node_count() < 1) {
        console.write_line(
            "Error: a Ugraph without nodes is not saved, because it could not be "
            "loaded back; " +
            utf8_of(file) + " was left as it was");
        return std::nullopt;
    }
    return text;
}

std::function<void()> waiting_told(Console& console, const std::filesystem::path& file) {
    return [&console, file] {
        console.write_line("Note: " + waiting_note(file));
        console.flush();
    };
}

bool tell_stored(Console& console, std::ostream& notes, const std::filesystem::path& file,
                 const Result<ReplaceReport>& stored) {
    if (!stored) {
        console.write_line("Error: " + replace_failure(file, stored.refusal()));
        return false;
    }
    if (stored.value().backup_refused_by_folder) {
        console.write_line("Note: " + no_backup_note(file));
    }
    if (!stored.value().backup_elsewhere.empty()) {
        console.flush();
        // One write, so that the lines of two programs never interleave.
        std::string line = "ugraph: ";
        line += backup_elsewhere_note(file, stored.value().backup_elsewhere);
        line += '\n';
        notes << line << std::flush;
    }
    return true;
}

bool save_data_input(Console& console, std::ostream& notes, const UGraph& graph,
                     const std::filesystem::path& file, const Platform& platform) {
    const std::optional<std::string> text = show_written_form(console, graph, file);
    if (!text) {
        return false;
    }
    const ReplaceOptions options{.keep_backup = true, .waiting = waiting_told(console, file)};
    return tell_stored(console, notes, file, replace_file_contents(file, *text, options, platform));
}

}  // namespace ugraph
