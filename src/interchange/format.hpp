#pragma once
// Format: the texts in which a graph leaves for, or comes from, another
// program.
//
// format_named finds a format by its name (graph6, sparse6, dot, edgelist,
// adjlist), or gives nothing; format_name is the reverse. holds_several_graphs
// says whether one stream of the format can carry many graphs (graph6,
// sparse6 and DOT can; a list is one graph). append_in_format appends one
// graph's text to `out`, ending in '\n' (the edge list of a graph without
// links is empty, as it cannot name an isolated node); it fails with a
// reason, `out` unchanged, when the format cannot hold the graph (graph6 and
// a self-loop) or the graph breaks the LinkGraph contract (vertices beyond
// MAX_NODES, a link end outside 1..vertices, links out of order or
// repeated). `name` is used by DOT only.
#include <optional>
#include <string>
#include <string_view>

#include "interchange/link_graph.hpp"

namespace ugraph {

enum class Format { graph6, sparse6, dot, edgelist, adjlist };

std::optional<Format> format_named(std::string_view name);
std::string_view format_name(Format format);
bool holds_several_graphs(Format format);

bool append_in_format(Format format, const LinkGraph& graph, std::string_view name,
                      std::string& out, std::string& reason);

}  // namespace ugraph
