// fuzz_import_graphml: any bytes through the GraphML importer (see import_checks.hpp):
// every graph is refused with a reason or holds a Ugraph, and written again
// it reads back as the same graph.
#include "graphml/graphml_xml.hpp"
#include "import_checks.hpp"
#include "interchange/graphml.hpp"

using namespace ugraph_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The program opens the XML parser as a module; here it is linked.
    static const bool installed =
        (ugraph::install_graphml(ugraph::write_graphml_xml, ugraph::read_graphml_xml), true);
    (void)installed;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_import(text, Format::graphml, 1, [](const UGraph& /*graph*/) {});
    return 0;
}
