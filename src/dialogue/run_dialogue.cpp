#include "dialogue/run_dialogue.hpp"

#include <string>

#include "dialogue/load_data_input.hpp"
#include "dialogue/review_graph.hpp"
#include "dialogue/save_data_input.hpp"
#include "entry/key_in_graph.hpp"
#include "graph/normalize_arcs.hpp"

namespace ugraph {
namespace {

// Asks where the graph comes from and fills it; gives false when there is
// no graph to go on with.
bool obtain_graph(Console& console, UGraph& graph, const std::filesystem::path& data_file,
                  const Platform& platform) {
    console.write_line("Where is the data for the Ugraph?");
    console.write_line("If it will be typed in on the (K)eyboard, type K");
    console.write_line("If it is already in the GraphData (F)ile, type F");
    for (;;) {
        const int key = console.read_choice_key();
        if (key == 'K' || key == 'k') {
            if (!key_in_graph(console, graph)) {
                return false;
            }
            normalize_arcs(graph);
            return true;
        }
        if (key == 'F' || key == 'f') {
            return load_data_input(console, graph, data_file, platform) != 0;
        }
        if (key == END_OF_INPUT) {
            return false;
        }
        console.write_line("Error: enter either K or F");
    }
}

}  // namespace

void run_dialogue(Console& console, std::ostream& notes, const std::filesystem::path& data_file,
                  const Platform& platform) {
    UGraph graph;
    if (obtain_graph(console, graph, data_file, platform)) {
        review_graph(console, graph);
        save_data_input(console, notes, graph, data_file, platform);
    }
    console.wait_for_char();
}

}  // namespace ugraph
