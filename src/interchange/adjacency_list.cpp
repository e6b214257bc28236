#include "interchange/adjacency_list.hpp"

#include "common/decimal.hpp"
#include "graph/arc_list.hpp"

namespace ugraph {

void append_adjacency_list(const UGraph& graph, std::string& out, int base) {
    for_each_node_run(graph, vertex_count(graph), [&](int node, std::span<const std::int32_t> run) {
        append_number(node - 1 + base, out);
        for (const std::int32_t neighbour : run) {
            if (neighbour >= node) {
                out += ' ';
                append_number(neighbour - 1 + base, out);
            }
        }
        out += '\n';
    });
}

ListLine read_adjacency_list_line(std::string_view line, bool cut, int base, LinkSet& links,
                                  NodeMarks& heads, Refusal& refusal) {
    if (cut) {
        refusal = refused(LINE_TOO_LONG);
        return ListLine::refused;
    }
    FieldScanner fields(line);
    std::string_view field;
    if (!fields.next(field)) {
        return ListLine::blank;
    }
    int node = 0;
    if (!read_label(field, base, node, refusal)) {
        return ListLine::refused;
    }
    heads.set(static_cast<std::size_t>(node));
    while (fields.next(field)) {
        int neighbour = 0;
        if (!read_label(field, base, neighbour, refusal)) {
            return ListLine::refused;
        }
        links.add(node, neighbour);
    }
    return ListLine::taken;
}

}  // namespace ugraph
