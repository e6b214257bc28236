#pragma once
// GraphImporter: the graphs of a stream in graph6, sparse6, an edge list or
// an adjacency list, one by one, each as a canonical UGraph (its node count
// the input's vertex count, its self-loops counted, its name left to the
// caller) or as a refusal.
//
// next() gives the next graph, taken or refused, and false at the end of the
// input. graph6 and sparse6 hold one graph per non-blank line, a line
// refused alone and reading going on with the next; the header
// (">>graph6<<", ">>sparse6<<") NetworkX writes may open any line. An edge
// list or adjacency list is one graph, labelled from `base` (0 or 1): its
// first refused line refuses it, and a list with no link or node line gives
// no graph at all; a list with too many links is refused on the line that
// passed the limit, with the count of the whole list. DOT is not read: it
// gives one refusal. A list names its nodes; added_nodes counts those below
// its highest node that it never named, which the graph holds as isolated
// nodes so that its nodes are numbered without a gap. Memory stays
// bounded whatever the input: a line longer than LineReader::LINE_CAP is
// refused (an edge list line only when its two labels do not fit in it).
// GraphML and GML are read whole, up to DOCUMENT_CAP bytes (a longer one
// refused): their graphs come one by one, each with the name the document
// gives it (own_name) and the notes of what reading it changed.
//
// defer_arcs() makes next() leave every graph's arc list empty, for a
// caller that first asks the links whether it wants the graph at all;
// lay_out_arcs then gives a graph it keeps its arcs.
// A reader that wants the links alone (classes) defers them and never
// lays them out.
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/link_set.hpp"
#include "graph/ugraph.hpp"
#include "interchange/format.hpp"
#include "interchange/line_reader.hpp"
#include "interchange/list_text.hpp"

namespace ugraph {

struct ImportedGraph {
    // The input line the graph stands on: for a list, the line that refused
    // it, else its first line holding a link or node.
    std::size_t line = 0;
    Result<> taken;
    UGraph graph;                         // when taken
    LinkSet links;                        // its links as read, self-loops included
    int loops = 0;                        // of them, self-loops, which a data-input cannot hold
    std::vector<std::size_t> loop_lines;  // the lines the self-loops stand on, ascending
    int added_nodes = 0;                  // nodes a list did not name, held as isolated nodes
    std::string own_name;                 // the name a document gives the graph, or empty
    std::vector<std::string> notes;       // what reading a document changed
};

void lay_out_arcs(ImportedGraph& graph);

class GraphImporter {
public:
    GraphImporter(std::istream& in, Format format, int base = 1);
    bool next(ImportedGraph& into);
    void defer_arcs() { defer_arcs_ = true; }

private:
    bool next_line_graph(ImportedGraph& into);
    bool next_list(ImportedGraph& into);
    bool next_document(ImportedGraph& into);
    void read_document();
    void take(ImportedGraph& into, int vertices) const;
    void take_read(ImportedGraph& into, int vertices) const;

    LineReader lines_;
    const FormatRow& format_;
    int base_;
    LinkSet links_;
    bool whole_input_read_ = false;
    bool defer_arcs_ = false;
    std::istream& in_;
    std::vector<DocumentGraph> documents_;
    std::size_t next_document_ = 0;
};

}  // namespace ugraph
