#include "datafile/load_data_input.hpp"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "datafile/data_input_text.hpp"
#include "graph/normalize_arcs.hpp"

namespace ugraph {
namespace {

// Where one data-input stands in the file's text: its "[" and its "]"
// (npos when the file ends first).
struct DataInputPlace {
    std::size_t open;
    std::size_t close;
};

std::optional<std::string> read_file_text(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return text_mode_content(raw);
}

std::vector<DataInputPlace> list_data_inputs(Console& console, std::string_view text) {
    std::vector<DataInputPlace> places;
    for (std::size_t open = text.find('['); open != std::string_view::npos;) {
        const std::size_t close = text.find(']', open + 1);
        places.push_back({open, close});
        console.print(std::to_string(places.size()) + "  ");
        if (close == std::string_view::npos) {
            console.print(text.substr(open));
            console.write_line("\n");
            break;
        }
        console.print(text.substr(open, close - open));
        console.write_line("]\n");
        open = text.find('[', close + 1);
    }
    return places;
}

// Gives the chosen number, or 0 for an abort (the answer 0 or end of input).
int ask_choice(Console& console, int count) {
    std::int32_t choice = -1;
    for (;;) {
        console.write_line("Input number before the selected data-input (zero to abort):");
        if (console.read_number(choice) == NumberRead::end_of_input || choice == 0) {
            return 0;
        }
        if (choice >= 1 && choice <= count) {
            return choice;
        }
        console.print("Number must be between 1 and " + std::to_string(count) + "\n");
    }
}

void refuse(Console& console, int choice, const std::string& reason) {
    console.write_line("Data-input " + std::to_string(choice) + " cannot be loaded: " + reason);
}

}  // namespace

int load_data_input(Console& console, ArcArray& arc_from, ArcArray& arc_to, GraphName& name,
                    const std::filesystem::path& file) {
    const std::optional<std::string> text = read_file_text(file);
    if (!text) {
        console.print("Cannot find file " + file.filename().string() + "\n");
        return 0;
    }
    const std::vector<DataInputPlace> places = list_data_inputs(console, *text);
    const int choice = ask_choice(console, static_cast<int>(places.size()));
    if (choice == 0) {
        return 0;
    }
    const DataInputPlace place = places[static_cast<std::size_t>(choice - 1)];
    const bool has_marker = place.open + 1 < text->size();
    if (has_marker && (*text)[place.open + 1] != 'U' && (*text)[place.open + 1] != 'u') {
        console.write_line("Input-array in file not marked 'U' (after '[') for Ugraph");
        return 0;
    }
    if (place.close == std::string::npos) {
        refuse(console, choice, "it is not closed by ']' before the end of the file");
        return 0;
    }
    const std::string copy = "[U" + text->substr(place.open + 2, place.close - place.open - 1);
    if (copy.size() > MAX_DATA_INPUT_CHARS) {
        refuse(console, choice,
               "it is longer than " + std::to_string(MAX_DATA_INPUT_CHARS) + " characters");
        return 0;
    }
    console.write_line("Input-data from file is:");
    console.write_line(copy);

    UGraph read;
    std::string reason;
    if (!parse_data_input(copy, read.name, read.arc_from, read.arc_to, reason)) {
        refuse(console, choice, reason);
        return 0;
    }
    name = read.name;
    arc_from = read.arc_from;
    arc_to = read.arc_to;
    normalize_arcs(arc_from, arc_to);
    return arc_from[0];
}

}  // namespace ugraph
