#pragma once
// The pictures of graphs, laid out and drawn in this process by Graphviz's
// library (gvc and cgraph): the one interface of the picture library, whose
// two functions the program installs behind the formats' picture seam
// (interchange/picture_seam.hpp). Only this library links Graphviz.
//
// Every node is a circle of one size labelled with its number, isolated ones
// too; the graph's name is the title above the picture. The layout asked
// for is tried with more and more room between the nodes until the laid-out
// picture passes check_picture: no two nodes overlap, and no link runs
// through a node it does not join; neato, then circo, are the fallbacks.
//
// draw_with_graphviz appends the SVG, PNG or PDF of one graph; it refuses an
// unknown layout, a graph no layout draws so, or a renderer Graphviz lacks.
// lay_out_with_graphviz gives the nodes' centres of the same layout in
// centimetres, for TikZ.
#include <string>

#include "common/result.hpp"
#include "graph/ugraph.hpp"
#include "interchange/picture_seam.hpp"

namespace ugraph {

Result<> draw_with_graphviz(const UGraph& graph, PictureKind kind, const Drawing& drawing,
                            std::string& out);
Result<LaidOutGraph> lay_out_with_graphviz(const UGraph& graph, const Drawing& drawing);

}  // namespace ugraph
