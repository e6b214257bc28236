#pragma once
// The invariants engine's module (invariants/ over nauty's library, the
// planarity suite and nlohmann-json), opened only by the commands that ask
// a graph's invariants, classes or filter, so that every other command
// starts without those libraries.
//
// Its functions are those of invariants_commands.hpp and where_filter.hpp;
// `meets` asks one graph the conditions of a filter. A WhereFilter made by
// the module is only read by the module: the program holds it and hands it
// back.
//
//   linked_invariants     the interface over the engine linked in (the
//                         module's own entry, and the tests).
//   load_invariants_module  the module's interface, or why it cannot be had
//                         (a build without nauty's library says so).
#include <ostream>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "invariants/graph_item.hpp"
#include "invariants/info_writer.hpp"
#include "invariants/where_filter.hpp"

namespace ugraph {

struct InvariantsModule {
    static constexpr const char* NAME = "invariants";
    int (*info)(const GraphFeed& graphs, InfoFormat format, const WhereFilter* where,
                std::ostream& out, std::ostream& err);
    int (*classes)(const GraphFeed& graphs, bool duplicates_only, const WhereFilter* where,
                   std::ostream& out, std::ostream& err);
    int (*find)(const GraphFeed& file_graphs, const GraphFeed& queries, std::ostream& out,
                std::ostream& err);
    std::vector<long> (*duplicates)(const GraphFeed& graphs);
    Result<WhereFilter> (*parse_where)(std::string_view expression);
    bool (*meets)(const WhereFilter& where, const GraphItem& graph);
};

const InvariantsModule& linked_invariants();

Result<const InvariantsModule*> load_invariants_module();

}  // namespace ugraph
