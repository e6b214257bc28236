#include "interchange/edge_list.hpp"

#include "common/decimal.hpp"
#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"

namespace ugraph {

void append_edge_list(const UGraph& graph, std::string& out, int base) {
    LinkSet::of(graph).for_each_link([&](int a, int b) {
        append_number(a - 1 + base, out);
        out += ' ';
        append_number(b - 1 + base, out);
        out += '\n';
    });
}

ListLine read_edge_list_line(std::string_view line, bool cut, int base, LinkSet& links,
                             Refusal& refusal) {
    FieldScanner fields(line);
    std::string_view first;
    std::string_view second;
    const bool has_first = fields.next(first);
    const bool has_second = has_first && fields.next(second);
    if (cut && (!has_second || reaches_end(second, line))) {
        refusal = refused(LINE_TOO_LONG);
        return ListLine::refused;
    }
    if (!has_first) {
        return ListLine::blank;
    }
    if (!has_second) {
        refusal = refused("a link needs two labels");
        return ListLine::refused;
    }
    int a = 0;
    int b = 0;
    if (!read_label(first, base, a, refusal) || !read_label(second, base, b, refusal)) {
        return ListLine::refused;
    }
    links.add(a, b);
    return ListLine::taken;
}

}  // namespace ugraph
