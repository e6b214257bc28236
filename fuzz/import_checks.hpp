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

#include "fuzz_support.hpp"
#include "interchange/format.hpp"
#include "interchange/graph_importer.hpp"

namespace ugraph_fuzz {

inline void check_holds_a_ugraph(const LinkGraph& graph) {
    FUZZ_CHECK(graph.vertices >= 1 && graph.vertices <= MAX_NODES);
    int links_without_loops = 0;
    std::pair<int, int> previous{0, 0};
    for (const auto& link : graph.links) {
        const auto [a, b] = link;
        FUZZ_CHECK(a >= 1 && a <= b && b <= graph.vertices && previous < link);
        links_without_loops += a != b ? 1 : 0;
        previous = link;
    }
    FUZZ_CHECK(links_without_loops <= MAX_LINKS);
}

inline void check_read_again(const LinkGraph& graph, Format format) {
    std::string text;
    std::string reason;
    FUZZ_CHECK(append_in_format(format, graph, "fuzz", text, reason));
    std::istringstream in(text);
    GraphImporter importer(in, format, 1);
    ImportedGraph again;
    FUZZ_CHECK(importer.next(again) && again.ok);
    FUZZ_CHECK(again.graph.vertices == graph.vertices && again.graph.links == graph.links);
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
        if (!graph.ok) {
            FUZZ_CHECK(!graph.reason.empty());
            continue;
        }
        check_holds_a_ugraph(graph.graph);
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
