#include "interchange/edge_list.hpp"

#include "common/decimal.hpp"
#include "graph/arc_list.hpp"

namespace ugraph {

void append_edge_list(const UGraph& graph, std::string& out) {
    for_each_link(graph, [&](int a, int b) {
        append_number(a, out);
        out += ' ';
        append_number(b, out);
        out += '\n';
    });
}

ListLine read_edge_list_line(std::string_view line, bool cut, int base, LinkSet& links,
                             std::string& reason) {
    FieldScanner fields(line);
    std::string_view first;
    std::string_view second;
    const bool has_first = fields.next(first);
    const bool has_second = has_first && fields.next(second);
    if (cut && (!has_second || reaches_end(second, line))) {
        reason = LINE_TOO_LONG;
        return ListLine::refused;
    }
    if (!has_first) {
        return ListLine::blank;
    }
    if (!has_second) {
        reason = "a link needs two labels";
        return ListLine::refused;
    }
    int a = 0;
    int b = 0;
    if (!read_label(first, base, a, reason) || !read_label(second, base, b, reason)) {
        return ListLine::refused;
    }
    links.add(a, b);
    return ListLine::taken;
}

}  // namespace ugraph
