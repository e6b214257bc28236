#pragma once
// What the import fuzz targets check of every graph an importer gives: it is
// refused with a reason, or it is a graph a Ugraph can hold (1..MAX_NODES
// vertices, links ascending and each once, ends within the vertices, at
// most MAX_LINKS links besides self-loops) which, written in its format and
// read again, is the same graph. Lists are written with the Ugraph's own
// numbers, so they are read back in base 1.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_support.hpp"
#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"
#include "interchange/format.hpp"
#include "interchange/graph_importer.hpp"

namespace ugraph_fuzz {

using LinkList = std::vector<std::pair<int, int>>;

inline LinkList links_of(const UGraph& graph) {
    LinkList links;
    LinkSet::of(graph).for_each_link([&](int a, int b) { links.emplace_back(a, b); });
    return links;
}

inline void check_holds_a_ugraph(const UGraph& graph, int loops) {
    const int vertices = graph.node_count();
    FUZZ_CHECK(vertices >= 1 && vertices <= MAX_NODES);
    check_canonical(graph, ARC_SLOTS - 2);
    int links_without_loops = 0;
    int loops_seen = 0;
    for (const auto& [a, b] : links_of(graph)) {
        FUZZ_CHECK(b <= vertices);
        links_without_loops += a != b ? 1 : 0;
        loops_seen += a == b ? 1 : 0;
    }
    FUZZ_CHECK(links_without_loops <= MAX_LINKS && loops_seen == loops);
}

inline void check_read_again(const UGraph& graph, Format format) {
    std::string text;
    open_document(format, text);
    FUZZ_CHECK(append_in_format(format, graph, text).ok());
    close_document(format, text);
    std::istringstream in(text);
    GraphImporter importer(in, format, 1);
    ImportedGraph again;
    FUZZ_CHECK(importer.next(again) && again.taken.ok());
    FUZZ_CHECK(again.graph.node_count() == graph.node_count() &&
               links_of(again.graph) == links_of(graph));
    FUZZ_CHECK(!importer.next(again));
}

// Imports the bytes and checks every graph, and `also` of every graph that
// is not refused; gives how many graphs came.
template <typename Also>
int check_import(std::string_view bytes, Format format, int base, Also&& also) {
    std::istringstream in{std::string(bytes)};
    GraphImporter importer(in, format, base);
    ImportedGraph graph;
    int count = 0;
    while (importer.next(graph)) {
        ++count;
        if (!graph.taken) {
            FUZZ_CHECK(!graph.taken.reason().empty());
            continue;
        }
        check_holds_a_ugraph(graph.graph, graph.loops);
        also(graph.graph);
        check_read_again(graph.graph, format);
    }
    return count;
}

// A list is one graph at most; the fuzz input's first byte picks the
// labels' base (its low bit), the rest is the list.
template <typename Also>
void check_list_import(const std::uint8_t* data, std::size_t size, Format format, Also&& also) {
    if (size == 0) {
        return;
    }
    const std::string_view list(reinterpret_cast<const char*>(data) + 1, size - 1);
    FUZZ_CHECK(check_import(list, format, data[0] & 1, also) <= 1);
}

}  // namespace ugraph_fuzz
