// fuzz_import_edgelist: any bytes through the edge list importer (see
// import_checks.hpp). A graph holds at least one link, and its vertex count
// is its highest label: an edge list cannot hold isolated nodes.
#include <algorithm>

#include "import_checks.hpp"

using namespace ugraph_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check_list_import(data, size, Format::edgelist, [](const UGraph& graph) {
        const LinkList links = links_of(graph);
        FUZZ_CHECK(!links.empty());
        int highest_end = 0;
        for (const auto& link : links) {
            highest_end = std::max(highest_end, link.second);
        }
        FUZZ_CHECK(highest_end == graph.node_count());
    });
    return 0;
}
