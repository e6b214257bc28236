#pragma once
// What every command is made of: the context it runs in, the interface it
// implements and the row that names it in the command table.
//
//   CommandContext  the platform storage calls go through, the standard
//                   streams, whether standard error is a terminal (a
//                   person watching, to whom a long run shows its
//                   progress), the maker of the dialogue's line editor and
//                   the opener of the invariants engine; main builds it
//                   once and every command gets it.
//   Parsed          what the parse saw beside the command's own members:
//                   which options were given, and the -f typed before the
//                   command's name.
//   Command         declare() adds the command's arguments and options to
//                   its CLI11 command, each bound to a member of its own;
//                   run() acts on them once the parse is done and gives the
//                   exit status (see command_status.hpp); a usage error is
//                   told through Parsed::usage.
//   CommandRow      a command's name, its line in the program's help, its
//                   synopsis (the usage line of its help, as the README and
//                   the manual give it) and the maker of its Command.
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "console/line_editor.hpp"
#include "storage/platform.hpp"

namespace CLI {
class App;
}

namespace ugraph {

struct InvariantsModule;

// Gives the line editor the dialogue reads through, or nothing for the plain
// stream; asked only when the dialogue starts.
using LineEditorMaker = std::unique_ptr<LineEditor> (*)();
// Gives the invariants engine (invariants/invariants_module.hpp), or why
// it cannot be had; asked only by the commands that need it. None: this
// run has no engine.
using InvariantsOpener = Result<const InvariantsModule*> (*)();

struct CommandContext {
    const Platform& platform;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    LineEditorMaker line_editor = nullptr;
    bool err_is_terminal = false;
    InvariantsOpener invariants = nullptr;
};

struct Parsed {
    const CLI::App& command;
    std::optional<std::string> program_file;  // "-f FILE" before the command

    bool given(const std::string& option) const;
    // The data file: the command's -f, else the one before it, else the default.
    std::string data_file(const std::string& own) const;
    // Tells `text` as a usage error of this command; gives EXIT_USAGE.
    int usage(std::ostream& err, const std::string& text) const;
};

class Command {
public:
    Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;
    virtual ~Command() = default;

    virtual void declare(CLI::App& command) = 0;
    virtual int run(CommandContext& context, const Parsed& parsed) = 0;
};

struct CommandRow {
    std::string_view name;
    std::string_view summary;
    std::string_view synopsis;
    std::unique_ptr<Command> (*make)();
};

template <typename Made>
std::unique_ptr<Command> make_command() {
    return std::make_unique<Made>();
}

}  // namespace ugraph
