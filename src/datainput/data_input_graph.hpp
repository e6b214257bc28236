#pragma once
// From a data-input, as DataInputReader found it, to a graph: the one place
// that decides whether a data-input can be loaded, for the dialogue's loader
// and the commands alike.
//
//   read_links   the name, links and node count of the data-input. Refused
//                (`into` then half written): a marker other than U or u
//                (kind not_marked), a data-input not closed before the end of
//                the file, one longer than MAX_DATA_INPUT_CHARS, and whatever
//                parse_data_input refuses.
//   read_graph   the same made a graph: its name, its links as canonical
//                arcs (both ways, ascending, each once) and its node count,
//                as make_graph makes it from what read_links gave.
//   loader_copy  the text the dialogue echoes before reading it: the
//                data-input with its marker as a capital U, refused where
//                read_graph would refuse before reading the text.
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/data_input_text.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

// How the dialogue tells a data-input of another kind.
inline constexpr std::string_view NOT_MARKED_LINE =
    "Input-array in file not marked 'U' (after '[') for Ugraph";

Result<> read_links(const DataInput& input, DataInputLinks& into);
Result<> read_graph(const DataInput& input, UGraph& graph);
void make_graph(const DataInputLinks& read, UGraph& graph);

Result<std::string> loader_copy(const DataInput& input);

// "cannot be loaded: <reason>", the words every command and the dialogue
// put behind a data-input's number.
std::string cannot_be_loaded(const Refusal& refusal);

}  // namespace ugraph
