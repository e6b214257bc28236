#include "graphml/graphml_module.hpp"
#include "modules/module.hpp"

namespace ugraph {
namespace {

Result<> write_through_module(const UGraph& graph, std::string& out) {
    const Result<const GraphmlModule*> module = load_module<GraphmlModule>();
    if (!module) {
        return module.refusal();
    }
    return module.value()->write(graph, out);
}

Result<> read_through_module(std::string_view text, std::vector<DocumentGraph>& graphs) {
    const Result<const GraphmlModule*> module = load_module<GraphmlModule>();
    if (!module) {
        return module.refusal();
    }
    return module.value()->read(text, graphs);
}

}  // namespace

void install_module_graphml() { install_graphml(write_through_module, read_through_module); }

}  // namespace ugraph
