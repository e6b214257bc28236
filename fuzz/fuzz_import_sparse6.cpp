// fuzz_import_sparse6: any bytes through the sparse6 importer (see
// import_checks.hpp); self-loops are kept and come back.
#include "import_checks.hpp"

using namespace ugraph_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view lines(reinterpret_cast<const char*>(data), size);
    check_import(lines, Format::sparse6, 1, [](const UGraph& /*graph*/) {});
    return 0;
}
