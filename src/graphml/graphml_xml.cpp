#include "graphml/graphml_xml.hpp"

#include <algorithm>
#include <pugixml.hpp>

#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"
#include "interchange/graphml.hpp"
#include "interchange/utf8_text.hpp"

namespace ugraph {

namespace {

class StringWriter : public pugi::xml_writer {
public:
    explicit StringWriter(std::string& out) : out_(out) {}
    void write(const void* data, std::size_t size) override {
        out_.append(static_cast<const char*>(data), size);
    }

private:
    std::string& out_;
};

// The key ids a document gives a graph's name; another program may call them
// anything, and says what they mean in attr.name.
std::vector<std::string> name_keys(const pugi::xml_node& root) {
    std::vector<std::string> keys;
    for (const pugi::xml_node key : root.children("key")) {
        const std::string_view domain = key.attribute("for").as_string("all");
        if ((domain == "graph" || domain == "all") &&
            std::string_view(key.attribute("attr.name").as_string()) == GRAPHML_NAME_KEY) {
            keys.emplace_back(key.attribute("id").as_string());
        }
    }
    return keys;
}

std::size_t line_at(std::string_view text, std::ptrdiff_t offset) {
    const auto end = static_cast<std::size_t>(
        std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size())));
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + end, '\n'));
}

struct EdgeCounts {
    int directed = 0;
    int repeated = 0;
};

Result<> read_edge(const pugi::xml_node& edge, bool directed_default, NodeNumbering& nodes,
                   LinkSet& links, EdgeCounts& counts) {
    const Result<int> source = nodes.number_of(edge.attribute("source").as_string());
    if (!source) {
        return source.refusal();
    }
    const Result<int> target = nodes.number_of(edge.attribute("target").as_string());
    if (!target) {
        return target.refusal();
    }
    counts.directed += edge.attribute("directed").as_bool(directed_default) ? 1 : 0;
    if (links.contains(source.value(), target.value())) {
        ++counts.repeated;
    } else {
        links.add(source.value(), target.value());
    }
    return Done{};
}

Result<> read_graph_body(const pugi::xml_node& graph, DocumentGraph& into) {
    const bool directed =
        std::string_view(graph.attribute("edgedefault").as_string()) == "directed";
    NodeNumbering nodes;
    EdgeCounts counts;
    for (const pugi::xml_node child : graph.children()) {
        const std::string_view kind = child.name();
        if (kind == "hyperedge") {
            return refused("it has hyperedges, which a Ugraph cannot hold");
        }
        if (kind == "node") {
            if (const Result<int> node = nodes.number_of(child.attribute("id").as_string());
                !node) {
                return node.refusal();
            }
        } else if (kind == "edge") {
            if (Result<> edge = read_edge(child, directed, nodes, into.links, counts); !edge) {
                return edge;
            }
        }
    }
    if (nodes.count() == 0) {
        return refused(NO_VERTICES);
    }
    into.vertices = nodes.count();
    if (const auto note = nodes.renumber_note()) {
        into.notes.push_back(*note);
    }
    if (counts.directed > 0) {
        into.notes.push_back(reduced_note(counts.directed, "directed edge", "read as links"));
    }
    if (counts.repeated > 0) {
        into.notes.push_back(reduced_note(counts.repeated, "repeated link", "merged"));
    }
    return within_link_limit(into.links);
}

void read_graph(const pugi::xml_node& graph, const std::vector<std::string>& names,
                DocumentGraph& into) {
    for (const pugi::xml_node data : graph.children("data")) {
        if (std::find(names.begin(), names.end(), data.attribute("key").as_string()) !=
            names.end()) {
            into.name = data.text().as_string();
        }
    }
    into.taken = read_graph_body(graph, into);
}

}  // namespace

// Built as a tree and printed by pugixml, so that every name is escaped as
// XML wants it.
Result<> write_graphml_xml(const UGraph& graph, std::string& out) {
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("graph");
    element.append_attribute("edgedefault") = "undirected";
    pugi::xml_node name = element.append_child("data");
    name.append_attribute("key") = GRAPHML_NAME_KEY;
    name.text() = as_utf8(name_text(graph.name)).c_str();
    const int vertices = vertex_count(graph);
    for (int node = 1; node <= vertices; ++node) {
        pugi::xml_node written = element.append_child("node");
        written.append_attribute("id") = node;
        pugi::xml_node label = written.append_child("data");
        label.append_attribute("key") = GRAPHML_LABEL_KEY;
        label.text() = node;
    }
    LinkSet::of(graph).for_each_link([&](int a, int b) {
        pugi::xml_node edge = element.append_child("edge");
        edge.append_attribute("source") = a;
        edge.append_attribute("target") = b;
    });
    StringWriter writer(out);
    document.print(writer, "  ", pugi::format_default | pugi::format_no_declaration,
                   pugi::encoding_utf8, 1);
    return Done{};
}

Result<> read_graphml_xml(std::string_view text, std::vector<DocumentGraph>& graphs) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        return refused("it is not well-formed XML (" + std::string(parsed.description()) +
                       " on line " + std::to_string(line_at(text, parsed.offset)) + ")");
    }
    const pugi::xml_node root = document.child("graphml");
    if (!root || !root.child("graph")) {
        return refused("it holds no <graphml> element with a <graph>");
    }
    const std::vector<std::string> names = name_keys(root);
    // Lines are counted on from the previous graph, as the graphs come in
    // file order.
    std::size_t line = 1;
    std::ptrdiff_t counted_to = 0;
    for (const pugi::xml_node graph : root.children("graph")) {
        DocumentGraph& into = graphs.emplace_back();
        const std::ptrdiff_t offset =
            std::clamp(graph.offset_debug(), counted_to, static_cast<std::ptrdiff_t>(text.size()));
        line += line_at(text.substr(static_cast<std::size_t>(counted_to)), offset - counted_to) - 1;
        counted_to = offset;
        into.line = line;
        read_graph(graph, names, into);
    }
    return Done{};
}

}  // namespace ugraph
