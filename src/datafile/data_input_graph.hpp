#pragma once
// From a data-input, as DataInputReader found it, to a graph: the one place
// that decides whether a data-input can be loaded, for the dialogue's loader
// and the commands alike.
//
//   loader_copy   the text the loader works on: the data-input with its
//                 marker as a capital U. Refused: a marker other than U or u,
//                 a data-input not closed before the end of the file, and one
//                 longer than MAX_DATA_INPUT_CHARS.
//   read_graph    loader_copy, then parse_data_input and normalize_arcs into
//                 `graph` (name and arcs; the degree table is not touched).
//                 On a refusal the graph may be half written.
#include <optional>
#include <string>
#include <string_view>

#include "datafile/data_input_reader.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

struct LoadRefusal {
    bool not_marked = false;  // data of another kind, which the dialogue names in its own words
    std::string reason;       // completes "Data-input 3 cannot be loaded: ..."
};

inline constexpr std::string_view NOT_MARKED_LINE =
    "Input-array in file not marked 'U' (after '[') for Ugraph";

std::optional<std::string> loader_copy(const DataInput& input, LoadRefusal& refusal);

bool read_graph(const DataInput& input, UGraph& graph, LoadRefusal& refusal);

}  // namespace ugraph
