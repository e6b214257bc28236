// ugraph help [COMMAND]: the help of the program, or of one command, as
// --help prints it. A name that is no command is a usage error that suggests
// the nearest command.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_status.hpp"
#include "cli/command_table.hpp"
#include "cli/option_values.hpp"
#include "cli/program_parser.hpp"
#include "cli/usage_error.hpp"

namespace ugraph {
namespace {

class HelpCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "COMMAND", topic_, "", "the command");
    }

    int run(CommandContext& context, const Parsed& /*parsed*/) override {
        if (topic_.empty()) {
            context.out << program_help();
            return EXIT_DONE;
        }
        if (const CommandRow* row = find_command(topic_)) {
            context.out << command_help(*row);
            return EXIT_DONE;
        }
        return tell_usage_error(
            context.err,
            {"there is no command '" + topic_ + "'" + did_you_mean(topic_, command_names()), ""});
    }

private:
    std::string topic_;
};

}  // namespace

extern const CommandRow HELP_COMMAND = {"help", "show the help of the program or of one command",
                                        "ugraph help [COMMAND]", make_command<HelpCommand>};

}  // namespace ugraph
