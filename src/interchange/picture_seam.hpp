#pragma once
// The seam between the formats and the code that lays graphs out and draws
// them (picture/, through Graphviz's library): the formats know only these
// two functions, which the program installs when it starts, so that the
// core links no drawing library and a build without one refuses the
// pictures in one line.
//
// Drawing is what a picture format is asked for: the layout (neato, circo,
// fdp, sfdp, dot or twopi) and, for TikZ, a whole document. PictureKind
// names the pictures. LaidOutGraph gives every node 1..n its centre, in
// centimetres, the origin at the bottom left.
//
// install_pictures sets the maker and the layout (null: none). draw_picture
// appends one graph's picture to `out`; lay_out gives its positions. Both
// refuse, `out` unchanged, when none is installed (with the way to a picture
// that remains: DOT and Graphviz) or when the layout fails.
#include <string>
#include <vector>

#include "common/result.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

struct Drawing {
    std::string layout = "neato";
    bool standalone = false;
};

enum class PictureKind { svg, png, pdf };

struct NodePosition {
    double x = 0;
    double y = 0;
};

struct LaidOutGraph {
    std::vector<NodePosition> nodes;  // node i at nodes[i - 1]
};

using PictureMaker = Result<> (*)(const UGraph& graph, PictureKind kind, const Drawing& drawing,
                                  std::string& out);
using LayoutMaker = Result<LaidOutGraph> (*)(const UGraph& graph, const Drawing& drawing);

void install_pictures(PictureMaker maker, LayoutMaker layout);

Result<> draw_picture(const UGraph& graph, PictureKind kind, const Drawing& drawing,
                      std::string& out);
Result<LaidOutGraph> lay_out(const UGraph& graph, const Drawing& drawing);

inline constexpr const char* LAYOUTS[] = {"neato", "circo", "fdp", "sfdp", "dot", "twopi"};

}  // namespace ugraph
