#include "modules/module.hpp"
#include "picture/picture_module.hpp"

namespace ugraph {
namespace {

Result<const PictureModule*> picture_module() {
    Result<const PictureModule*> module = load_module<PictureModule>();
    if (!module) {
        return refused(module.reason() +
                       "; write --to dot and draw it with Graphviz (neato -Tsvg)");
    }
    return module;
}

Result<> draw_through_module(const UGraph& graph, PictureKind kind, const Drawing& drawing,
                             std::string& out) {
    const Result<const PictureModule*> module = picture_module();
    if (!module) {
        return module.refusal();
    }
    return module.value()->draw(graph, kind, drawing, out);
}

Result<LaidOutGraph> lay_out_through_module(const UGraph& graph, const Drawing& drawing) {
    const Result<const PictureModule*> module = picture_module();
    if (!module) {
        return module.refusal();
    }
    return module.value()->lay_out(graph, drawing);
}

Result<> join_through_module(std::span<const std::string> documents, std::string& out) {
    const Result<const PictureModule*> module = picture_module();
    if (!module) {
        return module.refusal();
    }
    return module.value()->join_pages(documents, out);
}

}  // namespace

void install_module_pictures() {
    install_pictures(draw_through_module, lay_out_through_module, join_through_module);
}

}  // namespace ugraph
