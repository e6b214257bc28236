#include "dialogue/load_data_input.hpp"

#include <memory>
#include <string>

#include "common/path_text.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/storage_messages.hpp"

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

int tell_refusal(Console& console, int choice, const Refusal& refusal) {
    if (refusal.kind == Refusal::Kind::not_marked) {
        console.write_line(NOT_MARKED_LINE);
    } else {
        console.write_line("Data-input " + std::to_string(choice) + ' ' +
                           cannot_be_loaded(refusal));
    }
    return 0;
}

}  // namespace

int load_data_input(Console& console, UGraph& graph, const std::filesystem::path& file,
                    const Platform& platform) {
    const LockWait wait{[&] {
        console.write_line("Note: " + waiting_note(file));
        console.flush();
    }};
    const Result<std::unique_ptr<DataFileStream>> data = DataFileStream::open(file, wait, platform);
    if (!data) {
        if (data.refusal().kind == Refusal::Kind::busy) {
            console.write_line("Error: " + cannot_read(file, data.reason()));
        } else {
            console.print("Cannot find file " + utf8_of(file) + "\n");
        }
        return 0;
    }
    std::istream& stream = data.value()->stream();
    const int count = list_data_inputs(console, stream);
    // No lock while the user chooses: a save elsewhere may go ahead.
    data.value()->unlock();
    const int choice = ask_choice(console, count);
    if (choice == 0) {
        return 0;
    }
    if (const Result<> locked = data.value()->lock_again(wait); !locked) {
        console.write_line("Error: " + cannot_read(file, locked.reason()));
        return 0;
    }
    DataInput input;
    data.value()->rewind();
    DataInputReader reader(stream);
    if (!seek_data_input(reader, choice, input)) {
        return tell_refusal(console, choice, refused("the file changed while it was read"));
    }
    const Result<std::string> copy = loader_copy(input);
    if (!copy) {
        return tell_refusal(console, choice, copy.refusal());
    }
    console.write_line("Input-data from file is:");
    console.write_line(copy.value());

    // Read into a graph of its own, so that a refusal leaves the user's as it was.
    UGraph read;
    const Result<> loaded = read_graph(input, read);
    if (!loaded) {
        return tell_refusal(console, choice, loaded.refusal());
    }
    graph = read;
    return graph.arc_count();
}

}  // namespace ugraph
