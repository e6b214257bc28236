#pragma once
// Format: the texts in which a graph leaves for, or comes from, another
// program, and the one table that knows them all: its rows give the command
// line its choices and its help, and the commands their writer and reader.
// A new format is its own file, one name below and one row in the table.
//
// format_named finds a format by its name (graph6, sparse6, dot, edgelist,
// adjlist, ...), in any case, or by nauty's short names g6 and s6, or gives
// nothing; format_name is the reverse. holds_several_graphs
// says whether one stream of the format can carry many graphs (graph6,
// sparse6 and DOT can; a list is one graph). append_in_format appends one
// canonical graph's text to `out`, ending in '\n' (the edge list of a graph
// without links is empty, as it cannot name an isolated node); it is refused,
// `out` unchanged, when the format cannot hold the graph (graph6 and a
// self-loop). The lists name nodes by labels counted from `base` (0 or 1),
// as their readers do; is_labelled says which formats those are, and
// holds_isolated_nodes whether a format can name a node without links.
// The one-line formats write links as they are (writes_line_graphs):
// append_line_graph writes the links among `vertices` vertices without a
// UGraph in between, for the bulk commands that read links.
// A document format (GraphML, TikZ) writes its text around the graphs with
// open_document and close_document; a picture format (svg, png, pdf, TikZ)
// draws as `drawing` asks. is_picture says which those are.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/link_set.hpp"
#include "graph/ugraph.hpp"
#include "interchange/document_graph.hpp"
#include "interchange/list_text.hpp"
#include "interchange/picture_seam.hpp"

namespace ugraph {

enum class Format { graph6, sparse6, dot, edgelist, adjlist, graphml, gml, tikz, svg, png, pdf };

struct FormatRow {
    Format format;
    std::string_view name;
    std::string_view description;  // for the help: the programs that use it
    bool holds_several_graphs;
    Result<> (*write)(const UGraph& graph, std::string& out);
    // One graph per line (graph6, sparse6): the line's links and vertices.
    Result<> (*read_line_graph)(std::string_view line, LinkSet& links, int& vertices);
    // Their writer of the links among `vertices` vertices, which `write` calls.
    Result<> (*write_line_graph)(const LinkSet& links, int vertices, std::string& out);
    // One graph per input (the lists): one line of it; a node named by a
    // line of its own is marked in `heads`.
    ListLine (*read_list_line)(std::string_view line, bool cut, int base, LinkSet& links,
                               NodeMarks& heads, Refusal& refusal);
    // The lists: the writer with labels from `base`; else none.
    void (*write_labelled)(const UGraph& graph, std::string& out, int base);
    bool holds_isolated_nodes;
    // A whole document (GraphML, GML): its graphs, or its refusal.
    Result<> (*read_document)(std::string_view text, std::vector<DocumentGraph>& graphs);
    // The text around the graphs of one output; else none.
    void (*open_document)(const Drawing& drawing, std::string& out);
    void (*close_document)(const Drawing& drawing, std::string& out);
    // The pictures: the writer as `drawing` asks; else none.
    Result<> (*draw)(const UGraph& graph, const Drawing& drawing, std::string& out);
};

std::span<const FormatRow> format_table();
const FormatRow& format_row(Format format);

std::optional<Format> format_named(std::string_view name);
std::string_view format_name(Format format);
bool holds_several_graphs(Format format);
bool is_read(Format format);
bool is_labelled(Format format);
bool holds_isolated_nodes(Format format);
bool is_picture(Format format);
// The pictures whose file holds one graph and has no pages: SVG and PNG.
bool is_file_per_picture(Format format);

Result<> append_in_format(Format format, const UGraph& graph, std::string& out, int base = 1,
                          const Drawing& drawing = {});
bool writes_line_graphs(Format format);
Result<> append_line_graph(Format format, const LinkSet& links, int vertices, std::string& out);
void open_document(Format format, std::string& out, const Drawing& drawing = {});
void close_document(Format format, std::string& out, const Drawing& drawing = {});

}  // namespace ugraph
