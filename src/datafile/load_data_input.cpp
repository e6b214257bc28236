#include "datafile/load_data_input.hpp"

#include <memory>
#include <string>

#include "datafile/data_file_stream.hpp"
#include "datafile/data_input_graph.hpp"
#include "datafile/data_input_reader.hpp"
#include "datafile/data_input_text.hpp"
#include "graph/normalize_arcs.hpp"

namespace ugraph {
namespace {

// Shows every data-input behind its number and gives their count. The text
// goes out as it is read, so a data-input of any length is shown whole.
int list_data_inputs(Console& console, std::istream& file) {
    DataInputReader reader(file);
    DataInput input;
    int count = 0;
    bool numbered = false;
    const auto show = [&](std::string_view piece) {
        if (!numbered) {
            console.print(std::to_string(count + 1) + "  ");
            numbered = true;
        }
        console.print(piece);
    };
    while (reader.next(input, show)) {
        ++count;
        numbered = false;
        console.write_line(input.closed ? "]\n" : "\n");
    }
    return count;
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

void tell_refusal(Console& console, int choice, const LoadRefusal& refusal) {
    if (refusal.not_marked) {
        console.write_line(NOT_MARKED_LINE);
    } else {
        console.write_line("Data-input " + std::to_string(choice) +
                           " cannot be loaded: " + refusal.reason);
    }
}

}  // namespace

int load_data_input(Console& console, ArcArray& arc_from, ArcArray& arc_to, GraphName& name,
                    const std::filesystem::path& file) {
    std::string why;
    const std::unique_ptr<DataFileStream> data = DataFileStream::open(file, why);
    if (!data) {
        console.print("Cannot find file " + file.string() + "\n");
        return 0;
    }
    const int choice = ask_choice(console, list_data_inputs(console, data->stream()));
    if (choice == 0) {
        return 0;
    }
    DataInput input;
    LoadRefusal refusal{false, "the file changed while it was read"};
    data->rewind();
    DataInputReader reader(data->stream());
    if (!seek_data_input(reader, choice, input)) {
        tell_refusal(console, choice, refusal);
        return 0;
    }
    const std::optional<std::string> copy = loader_copy(input, refusal);
    if (!copy) {
        tell_refusal(console, choice, refusal);
        return 0;
    }
    console.write_line("Input-data from file is:");
    console.write_line(*copy);

    // Read into a graph of its own, so that a refusal leaves the user's as it was.
    UGraph read;
    if (!parse_data_input(*copy, read.name, read.arc_from, read.arc_to, refusal.reason)) {
        tell_refusal(console, choice, refusal);
        return 0;
    }
    name = read.name;
    arc_from = read.arc_from;
    arc_to = read.arc_to;
    normalize_arcs(arc_from, arc_to);
    return arc_from[0];
}

}  // namespace ugraph
