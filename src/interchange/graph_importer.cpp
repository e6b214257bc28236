#include "interchange/graph_importer.hpp"

#include <algorithm>

#include "interchange/adjacency_list.hpp"
#include "interchange/edge_list.hpp"
#include "interchange/graph6.hpp"
#include "interchange/sparse6.hpp"

namespace ugraph {

namespace {

constexpr std::string_view GRAPH6_HEADER = ">>graph6<<";
constexpr std::string_view SPARSE6_HEADER = ">>sparse6<<";

// A file written on Windows, or by hand, may end its lines in blanks; no
// graph6 or sparse6 character is one.
std::string_view without_trailing_blanks(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    return line;
}

// Either header is taken off, so that a line of the other format is named
// as such rather than refused for its '>'.
std::string_view without_header(std::string_view line) {
    for (const std::string_view header : {GRAPH6_HEADER, SPARSE6_HEADER}) {
        if (line.starts_with(header)) {
            return line.substr(header.size());
        }
    }
    return line;
}

}  // namespace

GraphImporter::GraphImporter(std::istream& in, Format format, int base)
    : lines_(in), format_(format), base_(base) {}

bool GraphImporter::next(ImportedGraph& into) {
    into.reason.clear();
    switch (format_) {
        case Format::graph6:
        case Format::sparse6:
            return next_line_graph(into);
        case Format::edgelist:
        case Format::adjlist:
            return next_list(into);
        case Format::dot:
            break;
    }
    if (whole_input_read_) {
        return false;
    }
    whole_input_read_ = true;
    into.line = 0;
    into.ok = false;
    into.reason = "DOT is written, not read";
    return true;
}

bool GraphImporter::next_line_graph(ImportedGraph& into) {
    const bool graph6 = format_ == Format::graph6;
    std::string_view line;
    bool cut = false;
    while (lines_.next(line, cut)) {
        line = without_header(without_trailing_blanks(line));
        if (line.empty() && !cut) {
            continue;
        }
        into.line = lines_.number();
        if (cut) {
            into.ok = false;
            into.reason = LINE_TOO_LONG;
        } else {
            into.ok = graph6 ? read_graph6(line, into.graph, into.reason, links_)
                             : read_sparse6(line, into.graph, into.reason, links_);
        }
        return true;
    }
    return false;
}

ListLine GraphImporter::read_list_line(std::string_view line, bool cut, int& highest,
                                       std::string& reason) {
    if (format_ == Format::edgelist) {
        return read_edge_list_line(line, cut, base_, links_, reason);
    }
    return read_adjacency_list_line(line, cut, base_, links_, highest, reason);
}

bool GraphImporter::next_list(ImportedGraph& into) {
    if (whole_input_read_) {
        return false;
    }
    whole_input_read_ = true;
    links_.clear();
    int highest = 0;
    std::size_t first_line = 0;
    std::string_view line;
    bool cut = false;
    while (lines_.next(line, cut)) {
        const ListLine result = read_list_line(line, cut, highest, into.reason);
        if (result == ListLine::blank) {
            continue;
        }
        first_line = first_line == 0 ? lines_.number() : first_line;
        if (result == ListLine::refused || links_.links_without_loops() > MAX_LINKS) {
            if (result != ListLine::refused) {
                into.reason =
                    "it has more links than the " + std::to_string(MAX_LINKS) + " a Ugraph holds";
            }
            into.ok = false;
            into.line = lines_.number();
            return true;
        }
    }
    if (first_line == 0) {
        return false;
    }
    into.ok = true;
    into.line = first_line;
    into.graph.vertices = std::max(highest, links_.highest_node());
    links_.copy_to(into.graph);
    return true;
}

}  // namespace ugraph
