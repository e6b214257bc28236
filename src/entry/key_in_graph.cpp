#include "entry/key_in_graph.hpp"

#include <string>

#include "datainput/stored_name.hpp"
#include "entry/scan_line_numbers.hpp"
#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"

namespace ugraph {
namespace {

bool read_name(Console& console, GraphName& name) {
    std::string line;
    for (;;) {
        console.print("Not exceeding 10 characters, input name of graph   ");
        if (!console.read_text_line(line)) {
            return false;
        }
        if (is_storable_name(cut_name(line, KEYED_NAME_CHARS))) {
            set_name(name, line, KEYED_NAME_CHARS);
            return true;
        }
        console.write_line(NAME_REFUSED);
    }
}

bool read_node_count(Console& console, std::int32_t& n) {
    for (;;) {
        console.print("Input number of non-isolated nodes:  ");
        const NumberRead got = console.read_number(n);
        if (got == NumberRead::end_of_input) {
            return false;
        }
        if (got == NumberRead::number && n <= MAX_NODES) {
            return true;
        }
        console.write_line(got == NumberRead::no_number
                               ? "Error: no number was read; enter the number of nodes"
                               : "Error: enter a number of nodes not above " +
                                     std::to_string(MAX_NODES));
        console.skip_rest_of_line();
    }
}

// The arcs typed so far, and the links they already hold.
struct TypedArcs {
    ArcListWriter arcs;
    LinkSet linked;

    // Gives false when v would be a link beyond MAX_LINKS.
    bool take(std::int32_t j, std::int32_t v) {
        if (linked.contains(j, v)) {
            return true;  // a repeat adds nothing once normalised
        }
        if (linked.links() == MAX_LINKS) {
            return false;
        }
        linked.add(j, v);
        arcs.append(j, v);
        return true;
    }
};

}  // namespace

bool key_in_graph(Console& console, UGraph& graph) {
    std::int32_t n = 0;
    if (!read_name(console, graph.name) || !read_node_count(console, n)) {
        return false;
    }
    console.write_line("Input every neighbor with higher natural number after each (node):");

    TypedArcs typed{ArcListWriter(graph), {}};
    std::string line;
    for (std::int32_t j = 1; j <= n; ++j) {
        console.print('(' + std::to_string(j) + "),");
        if (!console.read_text_line(line)) {
            return false;
        }
        bool all_taken = true;
        scan_line_numbers(line, [&](std::int32_t v) {
            if (v >= 1 && v <= MAX_NODES && v != j) {
                all_taken = typed.take(j, v) && all_taken;
            }
        });
        if (!all_taken) {
            console.write_line("Error: a Ugraph holds at most " + std::to_string(MAX_LINKS) +
                               " links; the further ones on this line were dropped");
        }
    }
    typed.arcs.close();
    graph.set_node_count(n);
    return true;
}

}  // namespace ugraph
