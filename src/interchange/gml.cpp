#include "interchange/gml.hpp"

#include "common/decimal.hpp"
#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"
#include "interchange/gml_text.hpp"
#include "interchange/utf8_text.hpp"

namespace ugraph {

namespace {

const GmlValue* value_of(const GmlValue& list, std::string_view key) {
    for (const auto& [name, value] : list.list) {
        if (name == key) {
            return &value;
        }
    }
    return nullptr;
}

// A node's or an edge end's identifier, as written (a number, mostly).
const GmlValue* scalar_of(const GmlValue& list, std::string_view key) {
    const GmlValue* value = value_of(list, key);
    return value != nullptr && !value->is_list ? value : nullptr;
}

struct EdgeCounts {
    int repeated = 0;
    int edges = 0;
};

Result<> read_edge(const GmlValue& edge, NodeNumbering& nodes, LinkSet& links, EdgeCounts& counts) {
    const GmlValue* source = scalar_of(edge, "source");
    const GmlValue* target = scalar_of(edge, "target");
    if (source == nullptr || target == nullptr) {
        return refused("the edge on line " + std::to_string(edge.line) +
                       " lacks its source or target");
    }
    const Result<int> a = nodes.number_of(source->text);
    if (!a) {
        return a.refusal();
    }
    const Result<int> b = nodes.number_of(target->text);
    if (!b) {
        return b.refusal();
    }
    ++counts.edges;
    if (links.contains(a.value(), b.value())) {
        ++counts.repeated;
    } else {
        links.add(a.value(), b.value());
    }
    return Done{};
}

Result<> read_graph_body(const GmlValue& graph, DocumentGraph& into) {
    NodeNumbering nodes;
    EdgeCounts counts;
    for (const auto& [key, value] : graph.list) {
        if (key == "node" && value.is_list) {
            const GmlValue* id = scalar_of(value, "id");
            if (id == nullptr) {
                return refused("the node on line " + std::to_string(value.line) + " has no id");
            }
            if (const Result<int> node = nodes.number_of(id->text); !node) {
                return node.refusal();
            }
        } else if (key == "edge" && value.is_list) {
            if (Result<> edge = read_edge(value, nodes, into.links, counts); !edge) {
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
    const GmlValue* directed = scalar_of(graph, "directed");
    if (directed != nullptr && directed->text != "0" && counts.edges > 0) {
        into.notes.push_back(reduced_note(counts.edges, "directed edge", "read as links"));
    }
    if (counts.repeated > 0) {
        into.notes.push_back(reduced_note(counts.repeated, "repeated link", "merged"));
    }
    return within_link_limit(into.links);
}

}  // namespace

void append_gml(const UGraph& graph, std::string& out) {
    out += "graph [\n  name ";
    append_gml_string(as_utf8(name_text(graph.name)), out);
    out += "\n  directed 0\n";
    const int vertices = vertex_count(graph);
    for (int node = 1; node <= vertices; ++node) {
        out += "  node [\n    id ";
        append_number(node, out);
        out += "\n    label \"";
        append_number(node, out);
        out += "\"\n  ]\n";
    }
    LinkSet::of(graph).for_each_link([&](int a, int b) {
        out += "  edge [\n    source ";
        append_number(a, out);
        out += "\n    target ";
        append_number(b, out);
        out += "\n  ]\n";
    });
    out += "]\n";
}

Result<> read_gml(std::string_view text, std::vector<DocumentGraph>& graphs) {
    const Result<GmlValue> document = parse_gml(text);
    if (!document) {
        return document.refusal();
    }
    const GmlValue* graph = nullptr;
    int count = 0;
    for (const auto& [key, value] : document.value().list) {
        if (key == "graph" && value.is_list) {
            graph = count == 0 ? &value : graph;
            ++count;
        }
    }
    if (count != 1) {
        return refused(count == 0 ? std::string("it holds no graph")
                                  : "it holds " + std::to_string(count) +
                                        " graphs, and a GML file holds one");
    }
    DocumentGraph& into = graphs.emplace_back();
    into.line = graph->line;
    const GmlValue* name = scalar_of(*graph, "name");
    name = name != nullptr ? name : scalar_of(*graph, "label");
    into.name = name != nullptr && name->is_string ? name->text : "";
    into.taken = read_graph_body(*graph, into);
    return Done{};
}

}  // namespace ugraph
