#include "interchange/graph_importer.hpp"

#include <algorithm>

#include "graph/arc_list.hpp"
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
    : lines_(in), format_(format_row(format)), base_(base), in_(in) {}

bool GraphImporter::next(ImportedGraph& into) {
    if (format_.read_line_graph != nullptr) {
        return next_line_graph(into);
    }
    if (format_.read_list_line != nullptr) {
        return next_list(into);
    }
    if (format_.read_document != nullptr) {
        return next_document(into);
    }
    if (whole_input_read_) {
        return false;
    }
    whole_input_read_ = true;
    into.line = 0;
    into.taken = refused(std::string(format_.name == "dot" ? "DOT" : format_.name) +
                         " is written, not read");
    return true;
}

void lay_out_arcs(ImportedGraph& graph) { graph.links.write_arcs(graph.graph); }

void GraphImporter::take(ImportedGraph& into, int vertices) const {
    into.links = links_;
    take_read(into, vertices);
}

// The graph whose links next_line_graph read into `into` itself.
void GraphImporter::take_read(ImportedGraph& into, int vertices) const {
    if (defer_arcs_) {
        ArcListWriter(into.graph).close();  // no arcs left of an earlier graph
    } else {
        lay_out_arcs(into);
    }
    into.graph.set_node_count(vertices);
    into.loops = into.links.loops();
}

bool GraphImporter::next_line_graph(ImportedGraph& into) {
    std::string_view line;
    bool cut = false;
    while (lines_.next(line, cut)) {
        line = without_header(without_trailing_blanks(line));
        if (line.empty() && !cut) {
            continue;
        }
        into.line = lines_.number();
        int vertices = 0;
        // Read where it is kept: one line's links need no copy.
        into.taken =
            cut ? refused(LINE_TOO_LONG) : format_.read_line_graph(line, into.links, vertices);
        into.loop_lines.clear();
        into.added_nodes = 0;
        if (into.taken) {
            take_read(into, vertices);
            if (into.loops > 0) {
                into.loop_lines.push_back(into.line);
            }
        }
        return true;
    }
    return false;
}

bool GraphImporter::next_list(ImportedGraph& into) {
    if (whole_input_read_) {
        return false;
    }
    whole_input_read_ = true;
    links_.clear();
    into.loop_lines.clear();
    into.added_nodes = 0;
    NodeMarks heads;
    std::size_t first_line = 0;
    std::size_t limit_passed_at = 0;
    Refusal refusal;
    std::string_view line;
    bool cut = false;
    while (lines_.next(line, cut)) {
        const int loops_before = links_.loops();
        const ListLine result = format_.read_list_line(line, cut, base_, links_, heads, refusal);
        if (result == ListLine::blank) {
            continue;
        }
        first_line = first_line == 0 ? lines_.number() : first_line;
        if (result == ListLine::refused && limit_passed_at == 0) {
            into.line = lines_.number();
            into.taken = refusal;
            return true;
        }
        if (links_.loops() > loops_before) {
            into.loop_lines.push_back(lines_.number());
        }
        if (limit_passed_at == 0 && links_.links_without_loops() > MAX_LINKS) {
            limit_passed_at = lines_.number();
        }
    }
    if (first_line == 0) {
        return false;
    }
    // Read to the end, so that a list with too many links is told with the
    // count of the whole list, on the line that passed the limit.
    into.line = limit_passed_at != 0 ? limit_passed_at : first_line;
    into.taken = within_link_limit(links_);
    if (into.taken) {
        int highest = links_.highest_node();
        for (int node = MAX_NODES; node > highest; --node) {
            highest = heads.test(static_cast<std::size_t>(node)) ? node : highest;
        }
        for (int node = 1; node <= highest; ++node) {
            const bool named = links_.has_links(node) || heads.test(static_cast<std::size_t>(node));
            into.added_nodes += named ? 0 : 1;
        }
        take(into, highest);
    }
    return true;
}

void GraphImporter::read_document() {
    whole_input_read_ = true;
    std::string text(DOCUMENT_CAP + 1, '\0');
    in_.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in_.gcount()));
    DocumentGraph whole;
    whole.line = 1;
    if (text.size() > DOCUMENT_CAP) {
        whole.taken = refused("it is longer than " + std::to_string(DOCUMENT_CAP >> 20) + " MiB");
    } else if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return;  // an empty input holds no graph, as an empty list holds none
    } else {
        whole.taken = format_.read_document(text, documents_);
    }
    if (!whole.taken) {
        documents_.clear();
        documents_.push_back(std::move(whole));
    }
}

bool GraphImporter::next_document(ImportedGraph& into) {
    if (!whole_input_read_) {
        read_document();
    }
    if (next_document_ >= documents_.size()) {
        return false;
    }
    DocumentGraph& graph = documents_[next_document_++];
    into.line = graph.line;
    into.taken = graph.taken;
    into.own_name = graph.name;
    into.notes = std::move(graph.notes);
    into.loop_lines.clear();
    into.added_nodes = 0;
    if (into.taken) {
        links_ = graph.links;
        take(into, graph.vertices);
        if (into.loops > 0) {
            into.loop_lines.push_back(into.line);
        }
    }
    return true;
}

}  // namespace ugraph
