#include "cli/command_line.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/command_table.hpp"
#include "cli/data_source.hpp"
#include "cli/program_parser.hpp"
#include "cli/usage_error.hpp"
#include "common/path_text.hpp"
#include "console/console.hpp"
#include "dialogue/run_dialogue.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

int start_dialogue(CommandContext& context, const std::string& file) {
    if (file == STANDARD_STREAM) {
        return tell_usage_error(
            context.err,
            {"the dialogue reads its answers from standard input and saves the data file, "
             "so '-f -' cannot be its data file",
             ""});
    }
    const std::unique_ptr<LineEditor> editor =
        context.line_editor != nullptr ? context.line_editor() : nullptr;
    Console console(context.in, context.out, editor.get());
    run_dialogue(console, context.err, path_from_utf8(file), context.platform);
    return EXIT_DONE;
}

// The command the arguments name, seen before any parse: the first argument
// that is not an option or the value of the program's -f. None when there is
// none or it names no command, and the parse then describes every command,
// for the help or for a suggestion.
const CommandRow* command_named(const std::vector<std::string>& args) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "-f" || arg == "--file") {
            ++k;
        } else if (arg == "--") {
            return nullptr;
        } else if (arg.size() < 2 || arg[0] != '-') {
            return find_command(arg);
        }
    }
    return nullptr;
}

// Parses the arguments and finds the parse's faults; gives the command
// parsed (the program itself for the dialogue), or none after telling why.
const CLI::App* parse(ProgramParser& parser, int argc, const char* const* argv,
                      const std::vector<std::string>& args, CommandContext& context, int& status) {
    CLI::App& app = parser.app();
    const auto concerned = [&]() -> const CLI::App& {
        const std::vector<CLI::App*> parsed = app.get_subcommands();
        return parsed.empty() ? app : *parsed.front();
    };
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            app.exit(error, context.out, context.err);  // the help or the version
            status = finish_output(context.out, context.err, EXIT_DONE);
        } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
            status = tell_usage_error(context.err, missing_value(app, concerned(), args));
        } else {
            const std::string last = args.empty() ? std::string() : args.back();
            status = tell_usage_error(
                context.err, {"'" + last + "' cannot stand there", concerned().get_name()});
        }
        return nullptr;
    }
    const CLI::App& command = concerned();
    if (auto fault = leftover_argument(app, command, args)) {
        status = tell_usage_error(context.err, *fault);
        return nullptr;
    }
    if (auto fault = repeated_option(app, command, args)) {
        status = tell_usage_error(context.err, *fault);
        return nullptr;
    }
    return &command;
}

}  // namespace

int run_command_line(int argc, const char* const* argv, CommandContext& context) {
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    // The two commonest starts need no parser at all.
    if (args.empty()) {
        return start_dialogue(context, GRAPH_DATA_FILE);
    }
    if (args.size() == 1 && args.front() == "--version") {
        context.out << version_text() << '\n';
        return finish_output(context.out, context.err, EXIT_DONE);
    }
    const CommandRow* named = command_named(args);
    const std::array<const CommandRow*, 1> one = {named};
    ProgramParser parser(named != nullptr ? std::span<const CommandRow* const>(one)
                                          : command_table());
    int status = EXIT_USAGE;
    const CLI::App* command = parse(parser, argc, argv, args, context, status);
    if (command == nullptr) {
        return status;
    }
    const CLI::App& app = parser.app();
    if (command == &app) {
        return start_dialogue(context, parser.program_file());
    }
    Parsed parsed{*command, std::nullopt};
    if (app.count("--file") > 0) {
        parsed.program_file = parser.program_file();
    }
    const int ran = parser.command_of(*command)->run(context, parsed);
    return finish_output(context.out, context.err, ran);
}

}  // namespace ugraph
