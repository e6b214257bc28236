#pragma once
// GraphImporter: the graphs of a stream in graph6, sparse6, an edge list or
// an adjacency list, one by one, each as a LinkGraph or as a refusal.
//
// next() gives the next graph, ok or refused, and false at the end of the
// input. graph6 and sparse6 hold one graph per non-blank line, a line
// refused alone and reading going on with the next; the header
// (">>graph6<<", ">>sparse6<<") NetworkX writes may open any line. An edge
// list or adjacency list is one graph, labelled from `base` (0 or 1): its
// first refused line refuses it, and a list with no link or node line gives
// no graph at all. DOT is not read: it gives one refusal. Memory stays
// bounded whatever the input: a line longer than LineReader::LINE_CAP is
// refused (an edge list line only when its two labels do not fit in it).
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

#include "interchange/format.hpp"
#include "interchange/line_reader.hpp"
#include "interchange/link_graph.hpp"
#include "interchange/link_set.hpp"
#include "interchange/list_text.hpp"

namespace ugraph {

struct ImportedGraph {
    // The input line the graph stands on: for a list, the line that refused
    // it, else its first line holding a link or node.
    std::size_t line = 0;
    bool ok = false;
    LinkGraph graph;     // when ok
    std::string reason;  // when refused: one short lower-case clause
};

class GraphImporter {
public:
    GraphImporter(std::istream& in, Format format, int base = 1);
    // Reusing one ImportedGraph for every call reuses its link storage.
    bool next(ImportedGraph& into);

private:
    bool next_line_graph(ImportedGraph& into);
    bool next_list(ImportedGraph& into);
    ListLine read_list_line(std::string_view line, bool cut, int& highest, std::string& reason);

    LineReader lines_;
    Format format_;
    int base_;
    LinkSet links_;
    bool whole_input_read_ = false;
};

}  // namespace ugraph
