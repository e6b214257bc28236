#include "console/line_editor.hpp"
#include "console/line_editor_module.hpp"
#include "modules/module.hpp"
#include "system/standard_streams.hpp"

namespace ugraph {

std::unique_ptr<LineEditor> terminal_line_editor() {
    if (!standard_streams_are_a_terminal()) {
        return nullptr;
    }
    // Without its module (not installed, or a build without one) the
    // dialogue reads the terminal as the plain stream it also is.
    const Result<const LineEditorModule*> module = load_module<LineEditorModule>();
    if (!module) {
        return nullptr;
    }
    return module.value()->open_terminal_editor();
}

}  // namespace ugraph
