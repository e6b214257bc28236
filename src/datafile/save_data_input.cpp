#include "datafile/save_data_input.hpp"

#include <string>

#include "datafile/data_input_text.hpp"

namespace ugraph {

std::string replace_failure(const std::filesystem::path& file, const ReplaceResult& result) {
    const std::string name = file.string();
    const std::string kept = "; " + name + " was left as it was";
    switch (result.refused_by) {
        case Refuser::link:
            return name + " is " + result.reason + "; it was not followed and nothing was written";
        case Refuser::folder:
            return "cannot write in the folder of " + name + " (" + result.reason + ")" + kept;
        case Refuser::backup:
            return "cannot keep the previous content of " + name + " as " + backup_name(name) +
                   " (" + result.reason + ")" + kept;
        case Refuser::file:
        case Refuser::none:
            break;
    }
    return "cannot write file " + name + " (" + result.reason + "); it was left as it was";
}

bool store_data_input(Console& console, std::string_view text, const std::filesystem::path& file,
                      const FileSystemCalls& calls) {
    const ReplaceResult result = replace_file_contents(
        file, text, ReplaceOptions{.keep_backup = true, .mode = std::nullopt}, calls);
    if (!result.ok()) {
        console.write_line("Error: " + replace_failure(file, result));
        return false;
    }
    if (result.backup_refused_by_folder) {
        console.write_line("Note: the folder of " + file.string() +
                           " refuses new files, so it was rewritten in place and no backup of "
                           "its previous content could be kept");
    }
    return true;
}

bool save_data_input(Console& console, const ArcArray& arc_from, const ArcArray& arc_to,
                     const GraphName& name, const std::filesystem::path& file,
                     const FileSystemCalls& calls) {
    const std::string text = written_form(arc_from, arc_to, name);
    if (text.size() > MAX_DATA_INPUT_CHARS) {
        console.write_line("Error: the Ugraph is too large for one data-input (over " +
                           std::to_string(MAX_DATA_INPUT_CHARS) + " characters); " + file.string() +
                           " was not changed");
        return false;
    }
    console.write_line(text);
    console.wait_for_char();
    if (arc_to[0] < 1) {
        console.write_line(
            "Error: a Ugraph without nodes is not saved, because it could not be "
            "loaded back; " +
            file.string() + " was left as it was");
        return false;
    }
    return store_data_input(console, text, file, calls);
}

}  // namespace ugraph
