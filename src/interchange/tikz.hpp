#pragma once
// TikZ: a graph as a tikzpicture for a LaTeX paper, at the coordinates of
// the picture formats' layout, in centimetres: one \node per node, labelled
// by its number, one \draw per link, the graph's name as a title above; the
// style "vertex" at the top is the one place to restyle the nodes.
//
// append_tikz writes one picture, ending in a blank line; it refuses, `out`
// unchanged, when the layout does (see picture_seam.hpp). open_tikz and
// close_tikz write, for a standalone drawing, the article document around
// the pictures (the article class and the tikz package, which every TeX Live
// has); else nothing.
#include <string>

#include "common/result.hpp"
#include "graph/ugraph.hpp"
#include "interchange/picture_seam.hpp"

namespace ugraph {

Result<> append_tikz(const UGraph& graph, const Drawing& drawing, std::string& out);
void open_tikz(const Drawing& drawing, std::string& out);
void close_tikz(const Drawing& drawing, std::string& out);

// The name with LaTeX's special characters made literal.
std::string latex_text(std::string_view utf8);

}  // namespace ugraph
