// The build without a line editor (Windows, whose console edits the line
// itself): standard input is always read as a plain stream.
#include "console/line_editor.hpp"

namespace ugraph {

std::unique_ptr<LineEditor> terminal_line_editor() { return nullptr; }

}  // namespace ugraph
