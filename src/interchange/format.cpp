#include "interchange/format.hpp"

#include <array>

#include "interchange/adjacency_list.hpp"
#include "interchange/dot.hpp"
#include "interchange/edge_list.hpp"
#include "interchange/graph6.hpp"
#include "interchange/sparse6.hpp"

namespace ugraph {

namespace {

// The writers that cannot refuse, in the table's shape.
template <void (*Append)(const UGraph&, std::string&)>
Result<> always(const UGraph& graph, std::string& out) {
    Append(graph, out);
    return Done{};
}

// A list writer labelled from 1, in the table's shape.
template <void (*Append)(const UGraph&, std::string&, int)>
void from_one(const UGraph& graph, std::string& out) {
    Append(graph, out, 1);
}

ListLine edge_list_line(std::string_view line, bool cut, int base, LinkSet& links,
                        NodeMarks& /*heads*/, Refusal& refusal) {
    return read_edge_list_line(line, cut, base, links, refusal);
}

constexpr std::array<FormatRow, 5> FORMATS = {{
    {Format::graph6, "graph6", "nauty's one line per simple graph", true, append_graph6,
     read_graph6, nullptr, nullptr, true},
    {Format::sparse6, "sparse6", "nauty's one line per graph, self-loops too", true,
     always<append_sparse6>, read_sparse6, nullptr, nullptr, true},
    {Format::dot, "dot", "Graphviz's graph text, written only", true, always<append_dot>, nullptr,
     nullptr, nullptr, true},
    {Format::edgelist, "edgelist", "NetworkX's and igraph's edge list, one graph", false,
     always<from_one<append_edge_list>>, nullptr, edge_list_line, append_edge_list, false},
    {Format::adjlist, "adjlist", "NetworkX's adjacency list, one graph", false,
     always<from_one<append_adjacency_list>>, nullptr, read_adjacency_list_line,
     append_adjacency_list, true},
}};

}  // namespace

std::span<const FormatRow> format_table() { return FORMATS; }

const FormatRow& format_row(Format format) {
    for (const FormatRow& row : FORMATS) {
        if (row.format == format) {
            return row;
        }
    }
    return FORMATS.front();  // every Format has its row
}

std::optional<Format> format_named(std::string_view name) {
    for (const FormatRow& row : FORMATS) {
        if (row.name == name) {
            return row.format;
        }
    }
    return std::nullopt;
}

std::string_view format_name(Format format) { return format_row(format).name; }

bool holds_several_graphs(Format format) { return format_row(format).holds_several_graphs; }

bool is_read(Format format) {
    const FormatRow& row = format_row(format);
    return row.read_line_graph != nullptr || row.read_list_line != nullptr;
}

bool is_labelled(Format format) { return format_row(format).write_labelled != nullptr; }

bool holds_isolated_nodes(Format format) { return format_row(format).holds_isolated_nodes; }

Result<> append_in_format(Format format, const UGraph& graph, std::string& out, int base) {
    const FormatRow& row = format_row(format);
    if (row.write_labelled != nullptr) {
        row.write_labelled(graph, out, base);
        return Done{};
    }
    return row.write(graph, out);
}

}  // namespace ugraph
