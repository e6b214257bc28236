// fuzz_import_sparse6: any bytes through the sparse6 importer.
//
// Every graph it gives is either refused with a reason or a graph a Ugraph
// can hold: 1..MAX_NODES vertices, links ascending and each once, ends
// within the vertices, at most MAX_LINKS links besides self-loops. Written
// in sparse6 and read again, it is the same graph, self-loops and all.
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

void check_written_and_read_again(const LinkGraph& graph) {
    std::string text;
    std::string reason;
    IMPORT_CHECK(append_in_format(Format::sparse6, graph, "fuzz", text, reason));
    std::istringstream in(text);
    GraphImporter importer(in, Format::sparse6);
    ImportedGraph again;
    IMPORT_CHECK(importer.next(again) && again.ok);
    IMPORT_CHECK(again.graph.vertices == graph.vertices && again.graph.links == graph.links);
    IMPORT_CHECK(!importer.next(again));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    GraphImporter importer(in, Format::sparse6);
    ImportedGraph graph;
    while (importer.next(graph)) {
        if (!graph.ok) {
            IMPORT_CHECK(!graph.reason.empty());
            continue;
        }
        check_holds_a_ugraph(graph.graph);
        check_written_and_read_again(graph.graph);
    }
    return 0;
}
