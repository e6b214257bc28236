// ugraph: prepares the data of one undirected graph. Without arguments it is
// the console dialogue; with them, the commands of run_command_line.
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "console/line_editor.hpp"
#include "interchange/picture_seam.hpp"
#if UGRAPH_PICTURES
#include "picture/graphviz_picture.hpp"
#endif
#include "storage/output_buffer.hpp"
#include "storage/platform.hpp"
#include "system/standard_streams.hpp"

namespace {

// The console as the dialogue uses it: its own line ends (text mode on
// Windows), and the terminal's line editor where there is one.
std::unique_ptr<ugraph::LineEditor> dialogue_console() {
    ugraph::streams_for_dialogue();
    return ugraph::terminal_line_editor();
}

}  // namespace

int main(int argc, char** argv) {
    const ugraph::Platform& platform = ugraph::system_platform();
    // Before any file is opened: none may take a closed standard stream's number.
    platform.reserve_standard_handles();
    // The console flushes before every read that waits, so the standard
    // streams need not be tied to stdio. Standard output is written through
    // a buffer that keeps the error of a failed write, which the commands
    // tell.
    std::ios::sync_with_stdio(false);
    ugraph::streams_for_commands();
#if UGRAPH_PICTURES
    ugraph::install_pictures(ugraph::draw_with_graphviz, ugraph::lay_out_with_graphviz);
#endif
    const std::vector<std::string> arguments = ugraph::utf8_arguments(argc, argv);
    std::vector<const char*> pointers;
    pointers.reserve(arguments.size());
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    ugraph::OutputBuffer standard_output(platform, platform.standard_output());
    std::ostream out(&standard_output);
    int status = 2;
    try {
        status = ugraph::run_command_line(static_cast<int>(pointers.size()), pointers.data(),
                                          std::cin, out, std::cerr, dialogue_console);
    } catch (const std::exception& failure) {
        // Nothing is meant to throw; should it happen, say so in one line
        // rather than end with an abort.
        out.flush();
        std::cerr << "ugraph: " << failure.what() << '\n';
    }
    out.flush();
    return status;
}
