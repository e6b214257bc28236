// fuzz_load: any data file and any answers through load_data_input.
//
// The input is the typed answers, then optionally "@@@@" and the data file's
// bytes (see fuzz_support.hpp). The graph starts as a known one, so that a
// load that gives 0 can be told apart: it either left the graph exactly as
// it was or read a data-input in full that holds no link. A load that gives
// a count leaves a canonical graph on nodes 1 to its node count, under a
// name that the data file can hold, and that graph saved and read back is
// itself. The data file is never changed.
#include "dialogue/load_data_input.hpp"
#include "fuzz_support.hpp"
#include "support/graph_of.hpp"

namespace {

using namespace ugraph_fuzz;

bool same_graph(const UGraph& a, const UGraph& b) {
    return a.name == b.name && a.arc_from == b.arc_from && a.arc_to == b.arc_to;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzSession run(data, size);
    const UGraph before = graph_of(3, "before", {{1, 2}});
    UGraph graph = before;
    const int arcs = load_data_input(run.console, graph, scratch().data_file(), system_platform());

    FUZZ_CHECK(scratch().read_data_file() == run.input.file);
    check_name(graph.name);
    if (arcs == 0 && same_graph(graph, before)) {
        return 0;
    }
    FUZZ_CHECK(arcs == graph.arc_count());
    check_canonical(graph);
    const std::int32_t n = graph.node_count();
    FUZZ_CHECK(n >= 1 && n <= MAX_NODES);
    for (std::int32_t k = 1; k <= arcs; ++k) {
        FUZZ_CHECK(graph.arc_from[k] <= n && graph.arc_to[k] <= n);
    }
    FUZZ_CHECK(is_storable_name(name_text(graph.name)));
    const std::string text = written_form(graph);
    if (text.size() <= MAX_DATA_INPUT_CHARS) {
        check_written_form(text);
    }
    return 0;
}
