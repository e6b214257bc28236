#include "entry/edit_neighbors.hpp"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "datainput/stored_name.hpp"
#include "entry/scan_line_numbers.hpp"
#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"

namespace ugraph {
namespace {

// Row r holds node r's neighbours: slot 0 the count, slots 1.. the entries.
using NeighborRow = std::array<std::int32_t, MAX_NODES + 1>;
using NeighborTable = std::array<NeighborRow, MAX_NODES + 1>;

void load_rows(const UGraph& graph, int rows, NeighborTable& neighbor_table) {
    for_each_node_run(graph, rows, [&](int k, std::span<const std::int32_t> run) {
        NeighborRow& row = neighbor_table[k];
        row[0] = 0;
        for (const std::int32_t v : run.first(std::min<std::size_t>(run.size(), MAX_NODES))) {
            row[++row[0]] = v;  // a canonical run holds at most 50
        }
    });
}

// Adds v to the row. The row keeps the numbers as typed, repeats included,
// while it has room; when it is full, a repeat makes way for a new number.
// A node has at most 49 higher neighbours, so every new number finds a place.
void add_to_row(NeighborRow& row, std::int32_t v) {
    const auto first = row.begin() + 1;
    if (row[0] == MAX_NODES) {
        const auto end = first + row[0];
        if (std::find(first, end, v) != end) {
            return;
        }
        for (auto entry = end - 1; entry > first; --entry) {
            if (std::find(first, entry, *entry) != entry) {
                std::copy(entry + 1, end, entry);
                --row[0];
                break;
            }
        }
    }
    row[++row[0]] = v;
}

void print_menu(Console& console, std::int32_t n) {
    console.write_line("Input integer:");
    console.print("(node number) between 1 and " + std::to_string(n) + "\n");
    console.write_line("0 (zero) to terminate editing");
    console.write_line("-1 to edit NAME of graph");
}

// Gives false when input ended before the name line came.
bool rename_graph(Console& console, GraphName& name) {
    console.print("Input full NAME of file (less than 15 characters):");
    std::string line;
    if (!console.read_text_line(line)) {
        return false;
    }
    const std::string_view cut = cut_name(line);
    if (!is_storable_name(cut)) {
        console.write_line(NAME_REFUSED);
        return true;
    }
    console.print("New NAME = ");
    console.write_line(cut);
    set_name(name, cut);
    return true;
}

// Gives false when input ended before the correction line came.
bool edit_row(Console& console, std::int32_t k, std::int32_t n, NeighborRow& row) {
    const std::string node = std::to_string(k);
    std::string listing = "all the given as neighbors of (" + node + ") are:  ";
    for (int e = 1; e <= row[0]; ++e) {
        listing += std::to_string(row[e]) + ',';
    }
    console.print(listing);
    console.print("\ntype in entire correct line of ALL neighbors of node (" + node + "):  ");
    std::string line;
    if (!console.read_text_line(line)) {
        return false;
    }
    row[0] = 0;
    scan_line_numbers(line, [&](std::int32_t v) {
        if (k < v && v <= n) {
            add_to_row(row, v);
        }
    });
    return true;
}

// The links the rows give once normalised: k and v are linked when either
// row holds the other.
LinkSet links_of_rows(const NeighborTable& neighbor_table, int rows) {
    LinkSet links;
    for (int k = 1; k <= rows; ++k) {
        const NeighborRow& row = neighbor_table[k];
        for (int e = 1; e <= row[0]; ++e) {
            links.add(k, row[e]);
        }
    }
    return links;
}

// The rows as a loose arc list, each row's repeats once.
void write_back(const NeighborTable& neighbor_table, int rows, UGraph& graph) {
    ArcListWriter arcs(graph);
    for (int k = 1; k <= rows; ++k) {
        const NeighborRow& row = neighbor_table[k];
        for (int e = 1; e <= row[0]; ++e) {
            const auto earlier_end = row.begin() + e;
            if (std::find(row.begin() + 1, earlier_end, row[e]) != earlier_end) {
                continue;  // a repeat in the row gives the same arc again
            }
            arcs.append(k, row[e]);
        }
    }
    arcs.close();
}

}  // namespace

void edit_neighbors(Console& console, UGraph& graph) {
    const std::int32_t n = graph.node_count();
    const int rows = std::clamp(n, 0, MAX_NODES);
    NeighborTable neighbor_table{};
    load_rows(graph, rows, neighbor_table);

    std::int32_t k = (n < 1) ? 1 : n + 1;
    bool number_typed = false;  // a mistyped answer repeats the last node typed
    for (;;) {
        print_menu(console, n);
        const NumberRead got = console.read_number(k);
        if (got == NumberRead::end_of_input || k == 0) {
            break;
        }
        if (got == NumberRead::no_number && !number_typed) {
            console.write_line("Error: that answer held no node number");
            console.skip_rest_of_line();
            continue;
        }
        number_typed = true;
        if (k > 0 && k > n) {
            console.write_line("Error: there is no node " + std::to_string(k) + " in this Ugraph");
            console.skip_rest_of_line();
            continue;
        }
        const bool line_came = (k < 0) ? rename_graph(console, graph.name)
                                       : edit_row(console, k, n, neighbor_table[k]);
        if (!line_came) {
            break;
        }
    }

    if (links_of_rows(neighbor_table, rows).arc_count() > MAX_NORMALIZE_ARCS) {
        console.write_line("Error: a Ugraph holds at most " + std::to_string(MAX_LINKS) +
                           " links; the neighbor corrections of this pass were not taken");
        return;
    }
    write_back(neighbor_table, rows, graph);
}

}  // namespace ugraph
