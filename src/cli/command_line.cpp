#include "cli/command_line.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_status.hpp"
#include "cli/data_file_commands.hpp"
#include "cli/interchange_commands.hpp"
#include "common/path_text.hpp"
#include "console/console.hpp"
#include "dialogue/run_dialogue.hpp"
#include "interchange/format.hpp"
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

// What the parse found.
struct Request {
    std::string file = GRAPH_DATA_FILE;
    int number = 0;
    std::string help_topic;
    std::string which;  // export: a number or "all"
    std::string format;
    std::string output;  // export: empty for standard output
    ImportRequest import;
    std::string import_name;
};

// The names of the formats in the table that pass the test.
template <typename Test>
std::vector<std::string> format_names(Test&& test) {
    std::vector<std::string> names;
    for (const FormatRow& row : format_table()) {
        if (test(row)) {
            names.emplace_back(row.name);
        }
    }
    return names;
}

const auto WRITTEN = [](const FormatRow& /*row*/) { return true; };
const auto READ = [](const FormatRow& row) { return is_read(row.format); };
const auto SEVERAL = [](const FormatRow& row) { return row.holds_several_graphs; };

// "graph6, sparse6, edgelist or adjlist"
std::string listed(const std::vector<std::string>& names, std::string_view last_joint = " or ") {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += k == 0 ? "" : k + 1 == names.size() ? last_joint : ", ";
        text += names[k];
    }
    return text;
}

// CLI11's messages, made one line in the program's own voice.
std::string usage_failure(const CLI::App* /*app*/, const CLI::Error& error) {
    std::string text = error.what();
    std::replace(text.begin(), text.end(), '\n', ' ');
    return "ugraph: " + text + " (see 'ugraph --help')\n";
}

// -f FILE may stand before or after a command.
CLI::Option* add_file_option(CLI::App& app, Request& request) {
    return app.add_option("-f,--file", request.file, "the data file (default GraphDataFile2.txt)")
        ->type_name("FILE");
}

void describe_export(CLI::App& app, Request& request) {
    CLI::App* command = app.add_subcommand(
        "export", "write data-input N, or all of them, in another program's format");
    command
        ->add_option("WHICH", request.which,
                     "N, or all (" + listed(format_names(SEVERAL), " and ") + " only)")
        ->required();
    const std::vector<std::string> formats = format_names(WRITTEN);
    command->add_option("--to", request.format, listed(formats))
        ->required()
        ->check(CLI::IsMember(formats));
    command->add_option("-o,--output", request.output, "write to this file, not standard output")
        ->type_name("OUTFILE");
    add_file_option(*command, request);
}

void describe_import(CLI::App& app, Request& request) {
    CLI::App* command =
        app.add_subcommand("import", "turn graphs of another program's format into data-inputs");
    const std::vector<std::string> formats = format_names(READ);
    command->add_option("--from", request.format, listed(formats))
        ->required()
        ->check(CLI::IsMember(formats));
    command->add_option("--name", request.import_name,
                        "the graphs' name (default: INPUT without its extension, or graph)");
    command->add_option("--base", request.import.base, "the lists' first node label, 0 or 1")
        ->check(CLI::IsMember({0, 1}));
    command->add_option("INPUT", request.import.input,
                        "the file to read (default: standard input)");
    CLI::Option* append =
        command->add_flag("--append", request.import.append,
                          "add the graphs to the data file instead of printing them");
    add_file_option(*command, request)->needs(append);
}

void describe_commands(CLI::App& app, Request& request) {
    // On Windows CLI11 would take /x for an option; there it is a path from
    // the drive's root, as it is on Linux from the root.
    app.allow_windows_style_options(false);
    add_file_option(app, request);
    app.set_version_flag("--version", "ugraph " UGRAPH_VERSION, "show the version and exit");
    app.set_help_flag("-h,--help", "show this help and exit");
    app.failure_message(usage_failure);
    app.footer(FOOTER);
    app.require_subcommand(0, 1);

    add_file_option(
        *app.add_subcommand("list", "list the data-inputs of the data file, one per line"),
        request);
    CLI::App* show = app.add_subcommand("show", "show the summary line and report of data-input N");
    show->add_option("N", request.number, "the number the data-input is listed under")->required();
    add_file_option(*show, request);
    describe_export(app, request);
    describe_import(app, request);
    app.add_subcommand("help", "show the help of the program or of one command")
        ->add_option("COMMAND", request.help_topic, "the command");
}

int show_help(const CLI::App& app, const std::string& topic, std::ostream& out, std::ostream& err) {
    if (topic.empty()) {
        // app.help() would give the help of the command that was parsed,
        // "help" itself.
        out << app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
        return EXIT_DONE;
    }
    try {
        out << app.get_subcommand(topic)->help(app.get_name());
        return EXIT_DONE;
    } catch (const CLI::OptionNotFound&) {
        tell_error(err, "there is no command " + topic + " (see 'ugraph --help')");
        return EXIT_USAGE;
    }
}

}  // namespace

int run_command_line(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& err, const std::function<void()>& before_dialogue) {
    CLI::App app(DESCRIPTION, "ugraph");
    Request request;
    describe_commands(app, request);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? EXIT_DONE : EXIT_USAGE;
    }
    const std::filesystem::path file = path_from_utf8(request.file);
    if (app.got_subcommand("list")) {
        return list_command(file, out, err);
    }
    if (app.got_subcommand("show")) {
        return show_command(file, request.number, out, err);
    }
    if (app.got_subcommand("export")) {
        const std::optional<std::filesystem::path> output =
            request.output.empty() ? std::nullopt : std::optional(path_from_utf8(request.output));
        return export_command(file, request.which, *format_named(request.format), output, out, err);
    }
    if (app.got_subcommand("import")) {
        if (app.count("--file") > 0 && !request.import.append) {
            tell_error(err,
                       "-f names the data file, which import only writes with --append (see "
                       "'ugraph --help')");
            return EXIT_USAGE;
        }
        request.import.format = *format_named(request.format);
        request.import.file = file;
        if (!request.import_name.empty()) {
            request.import.name = request.import_name;
        }
        return import_command(request.import, in, out, err);
    }
    if (app.got_subcommand("help")) {
        return show_help(app, request.help_topic, out, err);
    }
    if (before_dialogue) {
        before_dialogue();
    }
    Console console(in, out);
    run_dialogue(console, file);
    return EXIT_DONE;
}

}  // namespace ugraph
