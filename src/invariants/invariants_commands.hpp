#pragma once
// The one interface the commands call the invariants engine through: plain
// parameters in, an exit status out, so that the engine can live in a
// module of its own that only these commands open.
//
// Each run takes its graphs from a GraphFeed (graph_item.hpp), writes on
// `out` and tells what it meets on `err` in one line each; an output that
// failed gives 1 and is left for the caller to tell, which knows a closed
// pipe from a full disk.
// - run_info: every key of each graph (that meets `where`, when given) in
//   the chosen form; 1 when a chromatic number was not found within its
//   budget (written unknown, never a guess) or the output failed.
// - run_classes: one line per isomorphism class, its members' numbers
//   ascending parted by one blank, the classes in the order of their first
//   members; with duplicates_only only classes of two or more.
// - run_find: one line per query graph with the numbers of the file's
//   graphs isomorphic to it, empty when none is; 1 when one was not found.
// - duplicate_numbers: the numbers of every graph isomorphic to an earlier
//   one, ascending: what delete --duplicates deletes.
// parse_where (where_filter.hpp) makes the filter, or refuses naming what
// is wrong.
#include <ostream>
#include <vector>

#include "invariants/graph_item.hpp"
#include "invariants/info_writer.hpp"
#include "invariants/where_filter.hpp"

namespace ugraph {

int run_info(const GraphFeed& graphs, InfoFormat format, const WhereFilter* where,
             std::ostream& out, std::ostream& err);
int run_classes(const GraphFeed& graphs, bool duplicates_only, const WhereFilter* where,
                std::ostream& out, std::ostream& err);
int run_find(const GraphFeed& file_graphs, const GraphFeed& queries, std::ostream& out,
             std::ostream& err);
std::vector<long> duplicate_numbers(const GraphFeed& graphs);

}  // namespace ugraph
