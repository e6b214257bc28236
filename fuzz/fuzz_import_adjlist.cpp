// fuzz_import_adjlist: any bytes through the adjacency list importer.
//
// The first byte picks the labels' base (its low bit: 0 or 1), the rest is
// the list. The importer gives at most one graph: refused with a reason, or
// a graph a Ugraph can hold (1..MAX_NODES vertices, links ascending and each
// once, ends within the vertices, at most MAX_LINKS links besides
// self-loops). Written as an adjacency list and read again, it is the same
// graph, isolated nodes and all.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "graph/ugraph.hpp"
#include "interchange/format.hpp"
#include "interchange/graph_importer.hpp"

namespace {

using namespace ugraph;

// Names the broken check before aborting, so a crash report says which.
[[noreturn]] void broken(const char* check, int line) {
    std::fprintf(stderr, "broken check: %s at %s:%d\n", check, __FILE__, line);
    std::abort();
}
#define IMPORT_CHECK(condition) ((condition) ? void() : broken(#condition, __LINE__))

void check_holds_a_ugraph(const LinkGraph& graph) {
    IMPORT_CHECK(graph.vertices >= 1 && graph.vertices <= MAX_NODES);
    int links_without_loops = 0;
    std::pair<int, int> previous{0, 0};
    for (const auto& link : graph.links) {
        const auto [a, b] = link;
        IMPORT_CHECK(a >= 1 && a <= b && b <= graph.vertices && previous < link);
        links_without_loops += a != b ? 1 : 0;
        previous = link;
    }
    IMPORT_CHECK(links_without_loops <= MAX_LINKS);
}

// The list is written with the Ugraph's own numbers, so it is read in base 1.
void check_written_and_read_again(const LinkGraph& graph) {
    std::string text;
    std::string reason;
    IMPORT_CHECK(append_in_format(Format::adjlist, graph, "fuzz", text, reason));
    std::istringstream in(text);
    GraphImporter importer(in, Format::adjlist, 1);
    ImportedGraph again;
    IMPORT_CHECK(importer.next(again) && again.ok);
    IMPORT_CHECK(again.graph.vertices == graph.vertices && again.graph.links == graph.links);
    IMPORT_CHECK(!importer.next(again));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int base = data[0] & 1;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    GraphImporter importer(in, Format::adjlist, base);
    ImportedGraph graph;
    if (!importer.next(graph)) {
        return 0;
    }
    if (graph.ok) {
        check_holds_a_ugraph(graph.graph);
        check_written_and_read_again(graph.graph);
    } else {
        IMPORT_CHECK(!graph.reason.empty());
    }
    IMPORT_CHECK(!importer.next(graph));
    return 0;
}
