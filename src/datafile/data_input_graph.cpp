#include "datafile/data_input_graph.hpp"

#include "datafile/data_file.hpp"
#include "datafile/data_input_text.hpp"
#include "graph/normalize_arcs.hpp"

namespace ugraph {

std::optional<std::string> loader_copy(const DataInput& input, LoadRefusal& refusal) {
    const std::string& text = input.text;
    if (text.size() > 1 && text[1] != 'U' && text[1] != 'u') {
        refusal = {true, "it is not marked 'U' (after '[') for Ugraph"};
        return std::nullopt;
    }
    if (!input.closed) {
        refusal = {false, "it is not closed by ']' before the end of the file"};
        return std::nullopt;
    }
    if (input.length > MAX_DATA_INPUT_CHARS) {
        refusal = {false,
                   "it is longer than " + std::to_string(MAX_DATA_INPUT_CHARS) + " characters"};
        return std::nullopt;
    }
    return "[U" + text.substr(2);
}

bool read_graph(const DataInput& input, UGraph& graph, LoadRefusal& refusal) {
    const std::optional<std::string> copy = loader_copy(input, refusal);
    if (!copy) {
        return false;
    }
    refusal.not_marked = false;
    if (!parse_data_input(*copy, graph.name, graph.arc_from, graph.arc_to, refusal.reason)) {
        return false;
    }
    normalize_arcs(graph.arc_from, graph.arc_to);
    return true;
}

}  // namespace ugraph
