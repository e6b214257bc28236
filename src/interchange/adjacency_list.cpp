#include "interchange/adjacency_list.hpp"

#include <algorithm>

#include "interchange/decimal.hpp"

namespace ugraph {

void append_adjacency_list(const LinkGraph& graph, std::string& out) {
    auto link = graph.links.begin();
    for (int node = 1; node <= graph.vertices; ++node) {
        append_number(node, out);
        for (; link != graph.links.end() && link->first == node; ++link) {
            out += ' ';
            append_number(link->second, out);
        }
        out += '\n';
    }
}

ListLine read_adjacency_list_line(std::string_view line, bool cut, int base, LinkSet& links,
                                  int& highest, std::string& reason) {
    if (cut) {
        reason = LINE_TOO_LONG;
        return ListLine::refused;
    }
    FieldScanner fields(line);
    std::string_view field;
    if (!fields.next(field)) {
        return ListLine::blank;
    }
    int node = 0;
    if (!read_label(field, base, node, reason)) {
        return ListLine::refused;
    }
    highest = std::max(highest, node);
    while (fields.next(field)) {
        int neighbour = 0;
        if (!read_label(field, base, neighbour, reason)) {
            return ListLine::refused;
        }
        links.add(node, neighbour);
    }
    return ListLine::taken;
}

}  // namespace ugraph
