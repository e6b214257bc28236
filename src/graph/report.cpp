#include "graph/report.hpp"

#include <algorithm>

#include "graph/arc_list.hpp"

namespace ugraph {
namespace {

int reported_nodes(const UGraph& graph) { return std::min(graph.node_count(), MAX_NODES); }

// One adjacency line: every node's group "(i)," with its neighbours "v,",
// all of them or only those above i, then two blanks.
std::string adjacency_line(const UGraph& graph, bool higher_only) {
    std::string line;
    for_each_node_run(graph, reported_nodes(graph), [&](int i, std::span<const std::int32_t> run) {
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

std::string summary_line(const UGraph& graph) {
    return "Ufile " + std::string(name_text(graph.name)) + "     " +
           std::to_string(graph.node_count()) + " Nodes   " + std::to_string(graph.link_count()) +
           " Links\n";
}

DegreeTable count_degrees(const UGraph& graph) {
    DegreeTable degree{};
    for_each_node_run(graph, reported_nodes(graph), [&](int i, std::span<const std::int32_t> run) {
        degree[i] = static_cast<std::int32_t>(run.size());
    });
    return degree;
}

std::string adjacency_report(const UGraph& graph) {
    const DegreeTable degree = count_degrees(graph);
    std::string report = "The array of degrees:\n";
    for (int i = 1; i <= reported_nodes(graph); ++i) {
        report += " (" + std::to_string(i) + ')' + std::to_string(degree[i]);
    }
    report += "\n\nThe long adjacency array is:\n";
    report += adjacency_line(graph, false);
    report += "\n\nThe short adjacency array is:\n";
    report += adjacency_line(graph, true);
    report += '\n';
    return report;
}

}  // namespace ugraph
