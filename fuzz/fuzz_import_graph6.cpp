// fuzz_import_graph6: any bytes through the graph6 importer (see
// import_checks.hpp); graph6 holds no self-loops.
#include "import_checks.hpp"

using namespace ugraph_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view lines(reinterpret_cast<const char*>(data), size);
    check_import(lines, Format::graph6, 1, [](const UGraph& graph) {
        for (const auto& [a, b] : links_of(graph)) {
            FUZZ_CHECK(a != b);
        }
    });
    return 0;
}
