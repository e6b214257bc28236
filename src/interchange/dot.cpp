#include "interchange/dot.hpp"

#include "common/decimal.hpp"
#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"
#include "interchange/utf8_text.hpp"

namespace ugraph {

namespace {

constexpr int NODES_PER_LINE = 10;

void append_quoted(std::string_view name, std::string& out) {
    out += '"';
    for (const char c : as_utf8(name)) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
}

}  // namespace

// The nodes come last: pydot (and so NetworkX's read_dot), with the pyparsing
// releases of recent years, reads the line end after a closing "a -- b;" as
// one more node named "\n"; after a node statement it does not.
void append_dot(const UGraph& graph, std::string& out) {
    out += "graph ";
    append_quoted(name_text(graph.name), out);
    out += " {\n  layout=neato;\n";
    LinkSet::of(graph).for_each_link([&](int a, int b) {
        out += "  ";
        append_number(a, out);
        out += " -- ";
        append_number(b, out);
        out += ";\n";
    });
    const int vertices = vertex_count(graph);
    for (int node = 1; node <= vertices; ++node) {
        out += node % NODES_PER_LINE == 1 ? "  " : " ";
        append_number(node, out);
        out += node % NODES_PER_LINE == 0 || node == vertices ? ";\n" : ";";
    }
    out += "}\n";
}

}  // namespace ugraph
