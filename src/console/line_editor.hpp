#pragma once
// LineEditor: the typed lines of a person at a terminal, edited before they
// reach the dialogue (arrow keys, Home and End, the earlier answers of the
// session as history).
//
// read_line shows `prompt`, the text the dialogue printed since its last
// line end, lets one line be edited behind it and gives the line as typed,
// every byte, with its '\n'; it gives false at the end of input. The prompt
// is shown by the editor, not printed before, since the editor redraws the
// whole line and would otherwise wipe it.
//
// terminal_line_editor gives an editor of the program's standard input and
// output when both are terminals and the line editor's module can be loaded
// (libedit, on POSIX systems); otherwise nothing, and the console reads
// standard input as the plain stream it is, so piped input is read exactly
// as it comes, and a terminal's lines as its own line discipline edits them.
#include <memory>
#include <string>
#include <string_view>

namespace ugraph {

class LineEditor {
public:
    LineEditor() = default;
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;
    virtual ~LineEditor() = default;

    virtual bool read_line(std::string_view prompt, std::string& line) = 0;
};

std::unique_ptr<LineEditor> terminal_line_editor();

}  // namespace ugraph
