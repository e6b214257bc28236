#pragma once
// The pictures' module (picture/ over Graphviz's library), opened only when a
// picture or a TikZ layout is asked for, so that every other command starts
// without Graphviz's libraries.
//   draw     one graph's SVG, PNG or PDF (see draw_with_graphviz)
//   lay_out  its nodes' centres in centimetres (see lay_out_with_graphviz)
//   join_pages  several PDFs as one of their pages (see join_pdf_documents)
//
// install_module_pictures puts the module behind the formats' picture seam:
// it is opened the first time the seam is asked, and a module that cannot be
// had is told as the refusal of the picture, with the way that remains.
#include "interchange/picture_seam.hpp"

namespace ugraph {

struct PictureModule {
    static constexpr const char* NAME = "picture";
    PictureMaker draw;
    LayoutMaker lay_out;
    PageJoiner join_pages;
};

void install_module_pictures();

}  // namespace ugraph
