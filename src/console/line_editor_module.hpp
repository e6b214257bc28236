#pragma once
// The line editor's module (console/libedit_line_editor.cpp over libedit),
// loaded by terminal_line_editor only for the dialogue at a terminal.
//   open_terminal_editor  an editor of the terminal that is standard input
//                         and output, or null when the library cannot
//                         start one.
#include <memory>

#include "console/line_editor.hpp"

namespace ugraph {

struct LineEditorModule {
    static constexpr const char* NAME = "line_editor";
    std::unique_ptr<LineEditor> (*open_terminal_editor)();
};

}  // namespace ugraph
