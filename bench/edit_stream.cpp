// ugraph_edit_stream: one edit of the data-input library, as the commands
// will stream it, from a file to a file, for edit_stream.sh to time and
// weigh beside a plain copy:
//
//   ugraph_edit_stream replace|delete|rename|move OLD NEW N [M]
//
// replace puts a small data-input in N's place, rename names N "renamed",
// move makes N number M. The content's fingerprint is taken first, as an
// edit takes it on loading, and checked by the replace. Exits 1, with the
// refusal on standard error, when the edit is refused.
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "datainput/data_input_edits.hpp"

int main(int argc, char** argv) {
    using namespace ugraph;
    if (argc < 5) {
        std::cerr << "usage: ugraph_edit_stream replace|delete|rename|move OLD NEW N [M]\n";
        return 2;
    }
    const std::string_view edit = argv[1];
    const int number = std::stoi(argv[4]);
    const int to = argc > 5 ? std::stoi(argv[5]) : 1;
    std::ifstream old(argv[2], std::ios::binary);
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    Result<> done = refused("no such edit");
    if (edit == "replace") {
        Result<Fingerprint> loaded = fingerprint_of(old);
        old.clear();
        old.seekg(0);
        done = loaded ? replace_data_input(old, out, number, "[U \"new\", (1),2]", loaded.value())
                      : loaded.refusal();
    } else if (edit == "delete") {
        done = delete_data_inputs(old, out, std::vector{number});
    } else if (edit == "rename") {
        done = rename_data_input(old, out, number, "renamed");
    } else if (edit == "move") {
        done = move_data_input(old, out, number, to);
    }
    if (!done) {
        std::cerr << done.reason() << '\n';
        return 1;
    }
    return 0;
}
