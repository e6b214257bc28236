#include "datainput/data_input_graph.hpp"

namespace ugraph {

namespace {

Result<> may_be_loaded(const DataInput& input) {
    const std::string& text = input.text;
    if (text.size() > 1 && text[1] != 'U' && text[1] != 'u') {
        return refused("it is not marked 'U' (after '[') for Ugraph", Refusal::Kind::not_marked);
    }
    if (!input.closed) {
        return refused("it is not closed by ']' before the end of the file");
    }
    if (input.length > MAX_DATA_INPUT_CHARS) {
        return refused("it is longer than " + std::to_string(MAX_DATA_INPUT_CHARS) + " characters");
    }
    return Done{};
}

}  // namespace

Result<std::string> loader_copy(const DataInput& input) {
    Result<> loadable = may_be_loaded(input);
    if (!loadable) {
        return loadable.refusal();
    }
    return "[U" + input.text.substr(2);
}

Result<> read_links(const DataInput& input, DataInputLinks& into) {
    // The reading passes over the marker, so the text itself is read rather
    // than the loader's copy: a long export reads every data-input.
    if (Result<> loadable = may_be_loaded(input); !loadable) {
        return loadable;
    }
    return parse_data_input(input.text, into);
}

void make_graph(const DataInputLinks& read, UGraph& graph) {
    graph.name = read.name;
    read.links.write_arcs(graph);
    graph.set_node_count(read.nodes);
}

Result<> read_graph(const DataInput& input, UGraph& graph) {
    DataInputLinks read;
    Result<> loaded = read_links(input, read);
    if (loaded) {
        make_graph(read, graph);
    }
    return loaded;
}

std::string cannot_be_loaded(const Refusal& refusal) {
    return "cannot be loaded: " + refusal.reason;
}

}  // namespace ugraph
