#pragma once
// What the interchange tests share: a whole text run through the importer,
// each graph it gives told in one line, "<line>: <vertices> vertices a-b ..."
// or "<line>: <reason>"; or each graph read written again.
#include <sstream>
#include <string>
#include <vector>

#include "graph/arc_list.hpp"
#include "interchange/format.hpp"
#include "interchange/graph_importer.hpp"
#include "support/graph_of.hpp"

namespace ugraph {

inline std::string described(const UGraph& graph) {
    std::string text = std::to_string(graph.node_count()) + " vertices";
    // Appended piece by piece: mingw's g++ 12 at -O3 takes " " + a temporary
    // string for an overlapping copy (a false -Wrestrict).
    LinkSet::of(graph).for_each_link([&](int a, int b) {
        text += ' ';
        text += std::to_string(a);
        text += '-';
        text += std::to_string(b);
    });
    return text;
}

inline std::vector<std::string> outcomes(const std::string& text, Format format, int base = 1) {
    std::istringstream in(text);
    GraphImporter importer(in, format, base);
    std::vector<std::string> seen;
    ImportedGraph graph;
    while (importer.next(graph)) {
        seen.push_back(std::to_string(graph.line) + ": " +
                       (graph.taken ? described(graph.graph) : graph.taken.reason()));
    }
    return seen;
}

// The outcome of a list, which is one graph or none.
inline std::string list_outcome(const std::string& text, Format format, int base = 1) {
    const std::vector<std::string> seen = outcomes(text, format, base);
    return seen.empty() ? "no graph" : seen.size() == 1 ? seen[0] : "several graphs";
}

// The text of each graph read from `text`, written again in the same format.
inline std::string rewritten(const std::string& text, Format format) {
    std::istringstream in(text);
    GraphImporter importer(in, format);
    std::string out;
    ImportedGraph graph;
    while (importer.next(graph)) {
        if (!graph.taken || !append_in_format(format, graph.graph, out)) {
            out += "refused\n";
        }
    }
    return out;
}

}  // namespace ugraph
