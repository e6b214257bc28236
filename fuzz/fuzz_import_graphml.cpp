// fuzz_import_graphml: any bytes through the GraphML importer (see import_checks.hpp):
// every graph is refused with a reason or holds a Ugraph, and written again
// it reads back as the same graph.
#include "import_checks.hpp"

using namespace ugraph_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_import(text, Format::graphml, 1, [](const UGraph& /*graph*/) {});
    return 0;
}
