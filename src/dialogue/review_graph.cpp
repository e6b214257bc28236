#include "dialogue/review_graph.hpp"

#include "dialogue/show_adjacency.hpp"
#include "entry/edit_neighbors.hpp"
#include "graph/normalize_arcs.hpp"
#include "graph/report.hpp"

namespace ugraph {
namespace {

bool wants_change(Console& console) {
    console.write_line("\nChange data?");
    console.print(" if YES then press Y key. Pressing any other letter key means NO  ");
    const int key = console.read_choice_key();
    return key == 'Y' || key == 'y';
}

}  // namespace

void review_graph(Console& console, UGraph& graph) {
    console.print(summary_line(graph));
    for (;;) {
        show_adjacency(console, graph);
        if (!wants_change(console)) {
            return;
        }
        edit_neighbors(console, graph);
        normalize_arcs(graph);
    }
}

}  // namespace ugraph
