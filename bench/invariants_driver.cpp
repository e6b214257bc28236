// invariants_driver: the invariants engine over graph6 lines on standard
// input, as the commands will run it, for invariants_speed.sh to time
// beside nauty's programs.
//
//   ugraph_invariants_driver classes   the classes, one line each
//   ugraph_invariants_driver girth5    the lines of girth 5 or more
//   ugraph_invariants_driver info      every key of every graph, jsonl
//   ugraph_invariants_driver chromatic the slowest chromatic number
#include <chrono>
#include <iostream>
#include <string>
#include <string_view>

#include "interchange/graph6.hpp"
#include "invariants/chromatic.hpp"
#include "invariants/invariants_commands.hpp"

namespace {

using namespace ugraph;

GraphFeed standard_input_feed() {
    return [](const EachGraph& each) {
        std::string line;
        LinkSet links;
        long number = 0;
        while (std::getline(std::cin, line)) {
            int nodes = 0;
            ++number;
            if (read_graph6(line, links, nodes) && !each(GraphItem{number, line, nodes, links}))
                return;
        }
    };
}

int girth_five() {
    const auto where = parse_where("girth=5..");
    std::string kept;
    standard_input_feed()([&](const GraphItem& item) {
        GraphRecord record(item);
        if (where.value().holds(record)) {
            kept += item.name;
            kept += '\n';
        }
        return true;
    });
    std::cout << kept;
    return 0;
}

// The longest a chromatic number took, and of which line.
int slowest_chromatic() {
    double worst = 0;
    std::string which;
    standard_input_feed()([&](const GraphItem& item) {
        const auto start = std::chrono::steady_clock::now();
        const auto colours = chromatic_number(dense_graph_of(item.links, item.nodes));
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!colours)
            std::cout << "budget ran out: " << item.name << '\n';
        if (seconds > worst) {
            worst = seconds;
            which =
                std::string(item.name) + " (" + std::to_string(colours.value_or(-1)) + " colours)";
        }
        return true;
    });
    std::cout << "slowest: " << worst << " s, " << which << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "classes")
        return run_classes(standard_input_feed(), false, nullptr, std::cout, std::cerr);
    if (mode == "girth5")
        return girth_five();
    if (mode == "info")
        return run_info(standard_input_feed(), InfoFormat::jsonl, nullptr, std::cout, std::cerr);
    if (mode == "chromatic")
        return slowest_chromatic();
    std::cerr << "usage: ugraph_invariants_driver classes|girth5|info|chromatic\n";
    return 2;
}
