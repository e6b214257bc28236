// fuzz_import_adjlist: any bytes through the adjacency list importer (see
// import_checks.hpp); isolated nodes are kept and come back.
#include "import_checks.hpp"

using namespace ugraph_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check_list_import(data, size, Format::adjlist, [](const UGraph& /*graph*/) {});
    return 0;
}
