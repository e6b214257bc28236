#include "cli/program_parser.hpp"

#include <array>

#include "cli/command_table.hpp"
#include "cli/help_format.hpp"
#include "cli/option_values.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

constexpr const char* DESCRIPTION =
    "ugraph prepares the data of one undirected graph (a Ugraph, nodes 1 to 50).\n"
    "Without a command it starts the dialogue: type the graph in, or pick one\n"
    "data-input of the data file, correct it, and save it as the file's whole\n"
    "content (the previous content is kept as FILE.bak).";

constexpr const char* FOOTER =
    "Exit status: 0 done; 1 a data-input or an imported graph was refused; 2 a\n"
    "usage error, a number out of range, or a file that cannot be read or\n"
    "written. The dialogue always ends with 0.";

constexpr const char* VERSION_TEXT = "ugraph " UGRAPH_VERSION;

constexpr const char* HELP_FLAG_HELP = "show this help and exit";

}  // namespace

ProgramParser::ProgramParser(std::span<const CommandRow* const> rows)
    : app_(DESCRIPTION, "ugraph"), file_(GRAPH_DATA_FILE) {
    // On Windows CLI11 would take /x for an option; there it is a path from
    // the drive's root, as it is on Linux from the root.
    app_.allow_windows_style_options(false);
    app_.formatter(std::make_shared<HelpFormat>());
    app_.allow_extras();
    app_.require_subcommand(0, 1);
    app_.set_version_flag("--version", VERSION_TEXT, "show the version and exit");
    app_.set_help_flag("-h,--help", HELP_FLAG_HELP);
    app_.footer(FOOTER);
    file_option(app_, file_, "the data file of the dialogue (default GraphDataFile2.txt)");
    for (const CommandRow* row : rows) {
        CLI::App* command = app_.add_subcommand(std::string(row->name), std::string(row->summary));
        command->group("Commands");
        command->allow_extras();  // its -h,--help is the program's, as CLI11 copies it
        std::unique_ptr<Command> made = row->make();
        made->declare(*command);
        commands_.emplace_back(command, std::move(made));
    }
}

Command* ProgramParser::command_of(const CLI::App& command) const {
    for (const auto& [app, made] : commands_) {
        if (app == &command) {
            return made.get();
        }
    }
    return nullptr;
}

std::string_view version_text() { return VERSION_TEXT; }

std::string program_help() {
    ProgramParser parser(command_table());
    CLI::App& app = parser.app();
    // app.help() would give the help of the command last parsed.
    return app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
}

std::string command_help(const CommandRow& row) {
    const std::array<const CommandRow*, 1> one = {&row};
    ProgramParser parser(one);
    return parser.app().get_subcommands({}).front()->help("ugraph");
}

}  // namespace ugraph
