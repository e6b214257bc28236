#include "graph/show_adjacency.hpp"

#include <algorithm>
#include <string>

namespace ugraph {
namespace {

void count_degrees(const ArcArray& arc_from, int n, DegreeTable& degree) {
    degree[0] = 0;
    int cursor = 1;
    for (int i = 1; i <= n; ++i) {
        degree[i] = 0;
        while (cursor < ARC_SLOTS && arc_from[cursor] == i) {
            ++degree[i];
            ++cursor;
        }
    }
}

// One adjacency line: every node's group "(i)," with its neighbours "v,",
// all of them or only those above i, then two blanks.
std::string adjacency_line(const ArcArray& arc_to, int n, const DegreeTable& degree,
                           bool higher_only) {
    std::string line;
    int cursor = 1;
    for (int i = 1; i <= n; ++i) {
        line += '(' + std::to_string(i) + "),";
        for (int d = 0; d < degree[i]; ++d, ++cursor) {
            if (!higher_only || arc_to[cursor] > i) {
                line += std::to_string(arc_to[cursor]) + ',';
            }
        }
        line += "  ";
    }
    return line;
}

}  // namespace

void show_adjacency(Console& console, const ArcArray& arc_from, const ArcArray& arc_to,
                    DegreeTable& degree) {
    const int n = std::min(arc_to[0], MAX_NODES);
    count_degrees(arc_from, n, degree);

    std::string degrees;
    for (int i = 1; i <= n; ++i) {
        degrees += " (" + std::to_string(i) + ')' + std::to_string(degree[i]);
    }
    console.write_line("The array of degrees:");
    console.write_line(degrees + '\n');
    console.write_line("The long adjacency array is:");
    console.write_line(adjacency_line(arc_to, n, degree, false) + '\n');
    console.write_line("The short adjacency array is:");
    console.write_line(adjacency_line(arc_to, n, degree, true));
}

}  // namespace ugraph
