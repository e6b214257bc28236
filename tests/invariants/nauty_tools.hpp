#pragma once
// The lines a program of nauty's tools prints, for the tests that hold the
// invariants engine against them; nothing when the tools are not installed.
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "graph/link_set.hpp"
#include "interchange/graph6.hpp"
#include "invariants/graph_item.hpp"

namespace ugraph {

inline std::vector<std::string> lines_of(const std::string& command) {
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return lines;
    }
    std::string line;
    std::array<char, 4096> chunk{};
    while (fgets(chunk.data(), static_cast<int>(chunk.size()), pipe) != nullptr) {
        line += chunk.data();
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            lines.push_back(line);
            line.clear();
        }
    }
    pclose(pipe);
    return lines;
}

inline bool nauty_tools_installed() { return !lines_of("nauty-geng -q 3 2>/dev/null").empty(); }

// One graph6 line as the engine takes it.
struct Graph6Item {
    LinkSet links;
    int nodes = 0;
    explicit Graph6Item(const std::string& line) { (void)read_graph6(line, links, nodes); }
    GraphItem item(long number) const { return GraphItem{number, "g", nodes, links}; }
};

}  // namespace ugraph
