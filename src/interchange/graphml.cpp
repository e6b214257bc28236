#include "interchange/graphml.hpp"

namespace ugraph {

namespace {

// Set once at the start, before any command runs, and only read after.
GraphmlWriter installed_writer =
    nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
GraphmlReader installed_reader =
    nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

Refusal no_parser() { return refused("this build of ugraph has no XML parser for GraphML"); }

}  // namespace

void install_graphml(GraphmlWriter writer, GraphmlReader reader) {
    installed_writer = writer;
    installed_reader = reader;
}

void open_graphml(std::string& out) {
    out +=
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:schemaLocation=\"http://graphml.graphdrawing.org/xmlns "
        "http://graphml.graphdrawing.org/xmlns/1.0/graphml.xsd\">\n"
        "  <key id=\"name\" for=\"graph\" attr.name=\"name\" attr.type=\"string\"/>\n"
        "  <key id=\"label\" for=\"node\" attr.name=\"label\" attr.type=\"string\"/>\n";
}

void close_graphml(std::string& out) { out += "</graphml>\n"; }

Result<> append_graphml(const UGraph& graph, std::string& out) {
    if (installed_writer == nullptr) {
        return no_parser();
    }
    return installed_writer(graph, out);
}

Result<> read_graphml(std::string_view text, std::vector<DocumentGraph>& graphs) {
    if (installed_reader == nullptr) {
        return no_parser();
    }
    return installed_reader(text, graphs);
}

}  // namespace ugraph
