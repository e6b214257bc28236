#include "graph/show_adjacency.hpp"

#include <algorithm>

#include "graph/arc_list.hpp"

namespace ugraph {
namespace {

int reported_nodes(const ArcArray& arc_to) { return std::min(arc_to[0], MAX_NODES); }

// One adjacency line: every node's group "(i)," with its neighbours "v,",
// all of them or only those above i, then two blanks.
std::string adjacency_line(const ArcArray& arc_from, const ArcArray& arc_to, bool higher_only) {
    std::string line;
    for_each_node_run(arc_from, arc_to, reported_nodes(arc_to),
                      [&](int i, std::span<const std::int32_t> run) {
                          line += '(' + std::to_string(i) + "),";
                          for (const std::int32_t v : run) {
                              if (!higher_only || v > i) {
                                  line += std::to_string(v) + ',';
                              }
                          }
                          line += "  ";
                      });
    return line;
}

}  // namespace

std::string summary_line(const GraphName& name, const ArcArray& arc_from, const ArcArray& arc_to) {
    return "Ufile " + std::string(name_text(name)) + "     " + std::to_string(arc_to[0]) +
           " Nodes   " + std::to_string(arc_from[0] / 2) + " Links\n";
}

void count_degrees(const ArcArray& arc_from, const ArcArray& arc_to, DegreeTable& degree) {
    degree[0] = 0;
    for_each_node_run(arc_from, arc_to, reported_nodes(arc_to),
                      [&](int i, std::span<const std::int32_t> run) {
                          degree[i] = static_cast<std::int32_t>(run.size());
                      });
}

std::string adjacency_report(const ArcArray& arc_from, const ArcArray& arc_to) {
    DegreeTable degree{};
    count_degrees(arc_from, arc_to, degree);
    std::string report = "The array of degrees:\n";
    for (int i = 1; i <= reported_nodes(arc_to); ++i) {
        report += " (" + std::to_string(i) + ')' + std::to_string(degree[i]);
    }
    report += "\n\nThe long adjacency array is:\n";
    report += adjacency_line(arc_from, arc_to, false);
    report += "\n\nThe short adjacency array is:\n";
    report += adjacency_line(arc_from, arc_to, true);
    report += '\n';
    return report;
}

void show_adjacency(Console& console, const ArcArray& arc_from, const ArcArray& arc_to,
                    DegreeTable& degree) {
    count_degrees(arc_from, arc_to, degree);
    console.print(adjacency_report(arc_from, arc_to));
}

}  // namespace ugraph
