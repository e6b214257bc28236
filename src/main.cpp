// ugraph: prepares the data of one undirected graph. Without arguments it is
// the console dialogue; with them, the commands of run_command_line. Here
// the running system is chosen, once: its platform, its standard streams
// and its line editor make the context every command runs in.
#include <exception>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "console/line_editor.hpp"
#include "graphml/graphml_module.hpp"
#include "invariants/invariants_module.hpp"
#include "picture/picture_module.hpp"
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
    ugraph::install_module_pictures();
    ugraph::install_module_graphml();
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
        ugraph::CommandContext context{platform,
                                       std::cin,
                                       out,
                                       std::cerr,
                                       dialogue_console,
                                       ugraph::standard_error_is_a_terminal(),
                                       ugraph::load_invariants_module};
        status =
            ugraph::run_command_line(static_cast<int>(pointers.size()), pointers.data(), context);
    } catch (const std::bad_alloc&) {
        // Told in the program's voice; the dialogue ends as it always does.
        out.flush();
        std::cerr << "ugraph: out of memory\n";
        status = arguments.size() == 1 ? 0 : 2;
    } catch (const std::exception& failure) {
        // Nothing is meant to throw; should it happen, say so in one line
        // rather than end with an abort.
        out.flush();
        std::cerr << "ugraph: " << failure.what() << '\n';
    }
    out.flush();
    return status;
}
