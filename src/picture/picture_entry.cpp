// The pictures' module entry point, built into the module alone.
#include "modules/module.hpp"
#include "picture/graphviz_picture.hpp"
#include "picture/pdf_pages.hpp"
#include "picture/picture_module.hpp"

UGRAPH_MODULE_ENTRY(picture, ugraph::PictureModule, &ugraph::draw_with_graphviz,
                    &ugraph::lay_out_with_graphviz, &ugraph::join_pdf_documents)
