// ugraph: prepares the data of one undirected graph. Without arguments it is
// the console dialogue; with them, the commands of run_command_line.
#include <exception>
#include <iostream>

#include "cli/command_line.hpp"
#include "console/line_editor.hpp"

int main(int argc, char** argv) {
    // The console flushes before every read that waits, so the standard
    // streams need not be tied to stdio.
    std::ios::sync_with_stdio(false);
    int status = 2;
    try {
        status = ugraph::run_command_line(argc, argv, std::cin, std::cout, std::cerr,
                                          ugraph::terminal_line_editor);
    } catch (const std::exception& failure) {
        // Nothing is meant to throw; should it happen, say so in one line
        // rather than end with an abort.
        std::cout.flush();
        std::cerr << "ugraph: " << failure.what() << '\n';
    }
    std::cout.flush();
    return status;
}
