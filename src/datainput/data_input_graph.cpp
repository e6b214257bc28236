#include "datainput/data_input_graph.hpp"

namespace ugraph {

namespace {

// Why a data-input may not be loaded at all, told apart from its words: a
// long export asks it of every data-input, and nearly all may be.
enum class Unloadable { no, not_marked, not_closed, too_long };

Unloadable unloadable(const DataInput& input) {
    const std::string& text = input.text;
    if (text.size() > 1 && text[1] != 'U' && text[1] != 'u') {
        return Unloadable::not_marked;
    }
    if (!input.closed) {
        return Unloadable::not_closed;
    }
    return input.length > MAX_DATA_INPUT_CHARS ? Unloadable::too_long : Unloadable::no;
}

Refusal refusal_of(Unloadable why) {
    switch (why) {
        case Unloadable::not_marked:
            return refused("it is not marked 'U' (after '[') for Ugraph",
                           Refusal::Kind::not_marked);
        case Unloadable::not_closed:
            return refused("it is not closed by ']' before the end of the file");
        default:
            return refused("it is longer than " + std::to_string(MAX_DATA_INPUT_CHARS) +
                           " characters");
    }
}

}  // namespace

Result<std::string> loader_copy(const DataInput& input) {
    if (const Unloadable why = unloadable(input); why != Unloadable::no) {
        return refusal_of(why);
    }
    return "[U" + input.text.substr(2);
}

Result<> read_links(const DataInput& input, DataInputLinks& into) {
    // The reading passes over the marker, so the text itself is read rather
    // than the loader's copy: a long export reads every data-input.
    if (const Unloadable why = unloadable(input); why != Unloadable::no) {
        return refusal_of(why);
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
