#include "interchange/picture_seam.hpp"

namespace ugraph {

namespace {

// Set once at the start, before any command runs, and only read after.
PictureMaker installed_maker =
    nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
LayoutMaker installed_layout =
    nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
PageJoiner installed_joiner =
    nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

Refusal no_pictures() {
    return refused(
        "this build of ugraph has no Graphviz library to lay graphs out; write --to dot and draw "
        "it with Graphviz (neato -Tsvg)");
}

}  // namespace

void install_pictures(PictureMaker maker, LayoutMaker layout, PageJoiner joiner) {
    installed_maker = maker;
    installed_layout = layout;
    installed_joiner = joiner;
}

Result<> draw_picture(const UGraph& graph, PictureKind kind, const Drawing& drawing,
                      std::string& out) {
    if (installed_maker == nullptr) {
        return no_pictures();
    }
    return installed_maker(graph, kind, drawing, out);
}

Result<LaidOutGraph> lay_out(const UGraph& graph, const Drawing& drawing) {
    if (installed_layout == nullptr) {
        return no_pictures();
    }
    return installed_layout(graph, drawing);
}

Result<> join_pdf_pages(std::span<const std::string> documents, std::string& out) {
    if (installed_joiner == nullptr) {
        return no_pictures();
    }
    return installed_joiner(documents, out);
}

}  // namespace ugraph
