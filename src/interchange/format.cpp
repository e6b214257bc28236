#include "interchange/format.hpp"

#include <array>
#include <utility>

#include "graph/ugraph.hpp"
#include "interchange/adjacency_list.hpp"
#include "interchange/dot.hpp"
#include "interchange/edge_list.hpp"
#include "interchange/graph6.hpp"
#include "interchange/sparse6.hpp"

namespace ugraph {

namespace {

constexpr std::array<std::pair<Format, std::string_view>, 5> FORMAT_NAMES = {{
    {Format::graph6, "graph6"},
    {Format::sparse6, "sparse6"},
    {Format::dot, "dot"},
    {Format::edgelist, "edgelist"},
    {Format::adjlist, "adjlist"},
}};

// The writers index fixed tables by node and walk the links in order, so a
// graph outside the LinkGraph contract is refused here rather than written
// wrong.
bool is_writable(const LinkGraph& graph, std::string& reason) {
    if (graph.vertices < 0 || graph.vertices > MAX_NODES) {
        reason = "it has " + std::to_string(graph.vertices) + " vertices, outside 0.." +
                 std::to_string(MAX_NODES);
        return false;
    }
    // (a, b) as one number that grows with the list when it is in order.
    int previous = 0;
    for (const auto& [a, b] : graph.links) {
        if (a < 1 || a > b || b > graph.vertices || a * (MAX_NODES + 1) + b <= previous) {
            reason = "its link " + std::to_string(a) + "-" + std::to_string(b) +
                     " is out of place or outside nodes 1.." + std::to_string(graph.vertices);
            return false;
        }
        previous = a * (MAX_NODES + 1) + b;
    }
    return true;
}

}  // namespace

std::optional<Format> format_named(std::string_view name) {
    for (const auto& [format, known] : FORMAT_NAMES) {
        if (name == known) {
            return format;
        }
    }
    return std::nullopt;
}

std::string_view format_name(Format format) {
    for (const auto& [known, name] : FORMAT_NAMES) {
        if (format == known) {
            return name;
        }
    }
    return {};
}

bool holds_several_graphs(Format format) {
    return format == Format::graph6 || format == Format::sparse6 || format == Format::dot;
}

bool append_in_format(Format format, const LinkGraph& graph, std::string_view name,
                      std::string& out, std::string& reason) {
    if (!is_writable(graph, reason)) {
        return false;
    }
    switch (format) {
        case Format::graph6:
            return append_graph6(graph, out, reason);
        case Format::sparse6:
            append_sparse6(graph, out);
            return true;
        case Format::dot:
            append_dot(graph, name, out);
            return true;
        case Format::edgelist:
            append_edge_list(graph, out);
            return true;
        case Format::adjlist:
            append_adjacency_list(graph, out);
            return true;
    }
    reason = "it is in no known format";
    return false;
}

}  // namespace ugraph
