#include "datafile/data_input_graph.hpp"

#include "datafile/data_file.hpp"
#include "datafile/data_input_text.hpp"
#include "graph/normalize_arcs.hpp"

namespace ugraph {

namespace {

bool may_be_loaded(const DataInput& input, LoadRefusal& refusal) {
    const std::string& text = input.text;
    if (text.size() > 1 && text[1] != 'U' && text[1] != 'u') {
        refusal = {true, "it is not marked 'U' (after '[') for Ugraph"};
        return false;
    }
    if (!input.closed) {
        refusal = {false, "it is not closed by ']' before the end of the file"};
        return false;
    }
    if (input.length > MAX_DATA_INPUT_CHARS) {
        refusal = {false,
                   "it is longer than " + std::to_string(MAX_DATA_INPUT_CHARS) + " characters"};
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> loader_copy(const DataInput& input, LoadRefusal& refusal) {
    if (!may_be_loaded(input, refusal)) {
        return std::nullopt;
    }
    return "[U" + input.text.substr(2);
}

bool read_graph(const DataInput& input, UGraph& graph, LoadRefusal& refusal) {
    // The reading passes over the marker, so the text itself is read rather
    // than a copy with a capital U: a long export reads every data-input.
    if (!may_be_loaded(input, refusal)) {
        return false;
    }
    refusal.not_marked = false;
    if (!parse_data_input(input.text, graph.name, graph.arc_from, graph.arc_to, refusal.reason)) {
        return false;
    }
    normalize_arcs(graph.arc_from, graph.arc_to);
    return true;
}

}  // namespace ugraph
