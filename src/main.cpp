// ugraph: prepares the data of one undirected graph. Without arguments it is
// the console dialogue; with them, the commands of run_command_line.
#include <exception>
#include <iostream>

#include "cli/command_line.hpp"
#include "console/line_editor.hpp"
#include "storage/output_buffer.hpp"
#include "storage/platform.hpp"

int main(int argc, char** argv) {
    const ugraph::Platform& platform = ugraph::system_platform();
    // Before any file is opened: none may take a closed standard stream's number.
    platform.reserve_standard_handles();
    // The console flushes before every read that waits, so the standard
    // streams need not be tied to stdio. Standard output is written through
    // a buffer that keeps the error of a failed write, which the commands
    // tell.
    std::ios::sync_with_stdio(false);
    ugraph::OutputBuffer standard_output(platform, platform.standard_output());
    std::ostream out(&standard_output);
    int status = 2;
    try {
        status = ugraph::run_command_line(argc, argv, std::cin, out, std::cerr,
                                          ugraph::terminal_line_editor);
    } catch (const std::exception& failure) {
        // Nothing is meant to throw; should it happen, say so in one line
        // rather than end with an abort.
        out.flush();
        std::cerr << "ugraph: " << failure.what() << '\n';
    }
    out.flush();
    return status;
}
