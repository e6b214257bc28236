#include "interchange/format.hpp"

#include <algorithm>
#include <array>

#include "graph/arc_list.hpp"
#include "interchange/adjacency_list.hpp"
#include "interchange/dot.hpp"
#include "interchange/edge_list.hpp"
#include "interchange/gml.hpp"
#include "interchange/graph6.hpp"
#include "interchange/graphml.hpp"
#include "interchange/sparse6.hpp"
#include "interchange/tikz.hpp"

namespace ugraph {

namespace {

// The writers that cannot refuse, in the table's shape.
template <void (*Append)(const UGraph&, std::string&)>
Result<> always(const UGraph& graph, std::string& out) {
    Append(graph, out);
    return Done{};
}

template <void (*Append)(const LinkSet&, int, std::string&)>
Result<> always_line(const LinkSet& links, int vertices, std::string& out) {
    Append(links, vertices, out);
    return Done{};
}

// A writer of links, in the table's shape for a UGraph.
template <Result<> (*Write)(const LinkSet&, int, std::string&)>
Result<> of_links(const UGraph& graph, std::string& out) {
    return Write(LinkSet::of(graph), vertex_count(graph), out);
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

// The document writers that need no drawing, in the table's shape.
template <void (*Write)(std::string&)>
void undrawn(const Drawing& /*drawing*/, std::string& out) {
    Write(out);
}

template <PictureKind Kind>
Result<> picture(const UGraph& graph, const Drawing& drawing, std::string& out) {
    return draw_picture(graph, Kind, drawing, out);
}

// A drawing writer with the default drawing, for the table's plain writer.
template <Result<> (*Draw)(const UGraph&, const Drawing&, std::string&)>
Result<> drawn(const UGraph& graph, std::string& out) {
    return Draw(graph, Drawing{}, out);
}

constexpr std::array<FormatRow, 11> FORMATS = {{
    {Format::graph6, "graph6", "nauty's one line per simple graph", true, of_links<append_graph6>,
     read_graph6, append_graph6, nullptr, nullptr, true, nullptr, nullptr, nullptr, nullptr},
    {Format::sparse6, "sparse6", "nauty's one line per graph, self-loops too", true,
     of_links<always_line<append_sparse6>>, read_sparse6, always_line<append_sparse6>, nullptr,
     nullptr, true, nullptr, nullptr, nullptr, nullptr},
    {Format::dot, "dot", "Graphviz's graph text, written only", true, always<append_dot>, nullptr,
     nullptr, nullptr, nullptr, true, nullptr, nullptr, nullptr, nullptr},
    {Format::edgelist, "edgelist", "NetworkX's and igraph's edge list, one graph", false,
     always<from_one<append_edge_list>>, nullptr, nullptr, edge_list_line, append_edge_list, false,
     nullptr, nullptr, nullptr, nullptr},
    {Format::adjlist, "adjlist", "NetworkX's adjacency list, one graph", false,
     always<from_one<append_adjacency_list>>, nullptr, nullptr, read_adjacency_list_line,
     append_adjacency_list, true, nullptr, nullptr, nullptr, nullptr},
    {Format::graphml, "graphml", "yEd's, Gephi's and Cytoscape's XML, several graphs", true,
     append_graphml, nullptr, nullptr, nullptr, nullptr, true, read_graphml, undrawn<open_graphml>,
     undrawn<close_graphml>, nullptr},
    {Format::gml, "gml", "NetworkX's and igraph's GML, one graph", false, always<append_gml>,
     nullptr, nullptr, nullptr, nullptr, true, read_gml, nullptr, nullptr, nullptr},
    {Format::tikz, "tikz", "LaTeX's TikZ picture, written only", true, drawn<append_tikz>, nullptr,
     nullptr, nullptr, nullptr, true, nullptr, open_tikz, close_tikz, append_tikz},
    {Format::svg, "svg", "a picture drawn by Graphviz, one graph", false,
     drawn<picture<PictureKind::svg>>, nullptr, nullptr, nullptr, nullptr, true, nullptr, nullptr,
     nullptr, picture<PictureKind::svg>},
    {Format::png, "png", "a picture drawn by Graphviz, one graph", false,
     drawn<picture<PictureKind::png>>, nullptr, nullptr, nullptr, nullptr, true, nullptr, nullptr,
     nullptr, picture<PictureKind::png>},
    {Format::pdf, "pdf", "a picture drawn by Graphviz, one graph", false,
     drawn<picture<PictureKind::pdf>>, nullptr, nullptr, nullptr, nullptr, true, nullptr, nullptr,
     nullptr, picture<PictureKind::pdf>},
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

namespace {

bool same_letters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The short names nauty's users type for its two formats.
struct Alias {
    std::string_view name;
    Format format;
};
constexpr std::array<Alias, 2> ALIASES = {{{"g6", Format::graph6}, {"s6", Format::sparse6}}};

}  // namespace

std::optional<Format> format_named(std::string_view name) {
    for (const FormatRow& row : FORMATS) {
        if (same_letters(row.name, name)) {
            return row.format;
        }
    }
    for (const Alias& alias : ALIASES) {
        if (same_letters(alias.name, name)) {
            return alias.format;
        }
    }
    return std::nullopt;
}

std::string_view format_name(Format format) { return format_row(format).name; }

bool holds_several_graphs(Format format) { return format_row(format).holds_several_graphs; }

bool is_read(Format format) {
    const FormatRow& row = format_row(format);
    return row.read_line_graph != nullptr || row.read_list_line != nullptr ||
           row.read_document != nullptr;
}

bool is_labelled(Format format) { return format_row(format).write_labelled != nullptr; }

bool holds_isolated_nodes(Format format) { return format_row(format).holds_isolated_nodes; }

bool is_picture(Format format) { return format_row(format).draw != nullptr; }

bool is_file_per_picture(Format format) { return format == Format::svg || format == Format::png; }

Result<> append_in_format(Format format, const UGraph& graph, std::string& out, int base,
                          const Drawing& drawing) {
    const FormatRow& row = format_row(format);
    if (row.draw != nullptr) {
        return row.draw(graph, drawing, out);
    }
    if (row.write_labelled != nullptr) {
        row.write_labelled(graph, out, base);
        return Done{};
    }
    return row.write(graph, out);
}

bool writes_line_graphs(Format format) { return format_row(format).write_line_graph != nullptr; }

Result<> append_line_graph(Format format, const LinkSet& links, int vertices, std::string& out) {
    return format_row(format).write_line_graph(links, vertices, out);
}

void open_document(Format format, std::string& out, const Drawing& drawing) {
    if (const FormatRow& row = format_row(format); row.open_document != nullptr) {
        row.open_document(drawing, out);
    }
}

void close_document(Format format, std::string& out, const Drawing& drawing) {
    if (const FormatRow& row = format_row(format); row.close_document != nullptr) {
        row.close_document(drawing, out);
    }
}

}  // namespace ugraph
