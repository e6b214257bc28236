// The line editor's module on POSIX systems: libedit over the terminal that
// is both standard input and standard output, which the program checked
// before loading it.
#include <histedit.h>

#include <clocale>
#include <cstdio>

#include "console/line_editor.hpp"
#include "console/line_editor_module.hpp"
#include "modules/module.hpp"

namespace ugraph {
namespace {

constexpr int HISTORY_SIZE = 200;

class LibeditLineEditor : public LineEditor {
public:
    LibeditLineEditor()
        : editor_(el_init("ugraph", stdin, stdout, stderr)), history_(history_init()) {
        if (!ready()) {
            return;
        }
        HistEvent event{};
        history(history_, &event, H_SETSIZE, HISTORY_SIZE);
        history(history_, &event, H_SETUNIQUE, 1);
        el_set(editor_, EL_EDITOR, "emacs");
        // The terminal gets its modes back should a signal end the program
        // in the middle of a line.
        el_set(editor_, EL_SIGNAL, 1);
        el_set(editor_, EL_HIST, history, history_);
        el_set(editor_, EL_CLIENTDATA, this);
        el_set(editor_, EL_PROMPT, &LibeditLineEditor::prompt_of);
    }
    LibeditLineEditor(const LibeditLineEditor&) = delete;
    LibeditLineEditor& operator=(const LibeditLineEditor&) = delete;
    ~LibeditLineEditor() override {
        if (editor_ != nullptr) {
            el_end(editor_);
        }
        if (history_ != nullptr) {
            history_end(history_);
        }
    }

    bool ready() const { return editor_ != nullptr && history_ != nullptr; }

    bool read_line(std::string_view prompt, std::string& line) override {
        prompt_.assign(prompt);
        int count = 0;
        const char* typed = el_gets(editor_, &count);
        if (typed == nullptr || count <= 0) {
            return false;
        }
        line.assign(typed, static_cast<std::size_t>(count));
        std::string answer = line;
        while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) {
            answer.pop_back();
        }
        if (!answer.empty()) {
            HistEvent event{};
            history(history_, &event, H_ENTER, answer.c_str());
        }
        return true;
    }

private:
    static char* prompt_of(EditLine* editor) {
        void* self = nullptr;
        el_get(editor, EL_CLIENTDATA, &self);
        return static_cast<LibeditLineEditor*>(self)->prompt_.data();
    }

    EditLine* editor_;
    History* history_;
    std::string prompt_;
};

std::unique_ptr<LineEditor> open_libedit_editor() {
    // libedit reads characters of the terminal's encoding only when the
    // program's character type follows the locale; in the "C" one it drops
    // every byte above 127, an ñ in a name among them. Only the character
    // type is taken: numbers and messages stay as they are everywhere.
    std::setlocale(LC_CTYPE, "");
    auto editor = std::make_unique<LibeditLineEditor>();
    if (!editor->ready()) {
        return nullptr;
    }
    return editor;
}

}  // namespace
}  // namespace ugraph

UGRAPH_MODULE_ENTRY(line_editor, ugraph::LineEditorModule, &ugraph::open_libedit_editor)
