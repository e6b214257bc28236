#include "datafile/save_data_input.hpp"

#include <string>

#include "datafile/data_input_text.hpp"

namespace ugraph {

bool save_data_input(Console& console, const ArcArray& arc_from, const ArcArray& arc_to,
                     const GraphName& name, const std::filesystem::path& file,
                     const FileSystemCalls& calls) {
    const std::string file_name = file.filename().string();
    const std::string text = written_form(arc_from, arc_to, name);
    if (text.size() > MAX_DATA_INPUT_CHARS) {
        console.write_line("Error: the Ugraph is too large for one data-input (over " +
                           std::to_string(MAX_DATA_INPUT_CHARS) + " characters); " + file_name +
                           " was not changed");
        return false;
    }
    console.write_line(text);
    console.wait_for_char();

    std::string error;
    if (!replace_file_contents(file, text, error, calls)) {
        console.write_line("Error: cannot write file " + file_name + " (" + error +
                           "); it was left as it was");
        return false;
    }
    return true;
}

}  // namespace ugraph
