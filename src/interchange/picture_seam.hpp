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
// install_pictures sets the maker, the layout and the joiner of PDF pages
// (null: none). draw_picture appends one graph's picture to `out`; lay_out
// gives its positions; join_pdf_pages appends one PDF whose pages are those
// of the PDFs given, in order, so that several graphs make one document a
// viewer opens. Each refuses, `out` unchanged, when none is installed (with
// the way to a picture that remains: DOT and Graphviz) or when it fails.
#include <span>
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

using PageJoiner = Result<> (*)(std::span<const std::string> documents, std::string& out);

void install_pictures(PictureMaker maker, LayoutMaker layout, PageJoiner joiner);

Result<> draw_picture(const UGraph& graph, PictureKind kind, const Drawing& drawing,
                      std::string& out);
Result<LaidOutGraph> lay_out(const UGraph& graph, const Drawing& drawing);
Result<> join_pdf_pages(std::span<const std::string> documents, std::string& out);

inline constexpr const char* LAYOUTS[] = {"neato", "circo", "fdp", "sfdp", "dot", "twopi"};

}  // namespace ugraph
