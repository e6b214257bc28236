#include "cli/command_line.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/convert_command.hpp"
#include "cli/data_file_commands.hpp"
#include "cli/data_source.hpp"
#include "cli/help_format.hpp"
#include "cli/interchange_commands.hpp"
#include "cli/usage_error.hpp"
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

// What the parse found, every value as typed; the checks below read it.
struct Request {
    std::string file = GRAPH_DATA_FILE;
    std::string number;  // show
    std::string help_topic;
    std::string which;  // export: a number or "all"
    std::string from;
    std::string to;
    std::string output;  // empty or "-": standard output
    std::string base;
    std::string name;
    std::string input;
    bool append = false;
    std::string layout = "neato";  // export, convert: the pictures' layout
    bool standalone = false;       // export, convert: TikZ as a whole document
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
const auto LABELLED = [](const FormatRow& row) { return is_labelled(row.format); };

// "graph6, sparse6, edgelist or adjlist"
std::string listed(const std::vector<std::string>& names, std::string_view last_joint = " or ") {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += k == 0 ? "" : k + 1 == names.size() ? last_joint : ", ";
        text += names[k];
    }
    return text;
}

// Every value option keeps the last value given, so that one given twice is
// told in the program's words rather than refused by the parser.
CLI::Option* value_option(CLI::App& command, const std::string& names, std::string& target,
                          const std::string& value_name, const std::string& help) {
    return command.add_option(names, target, help)
        ->type_name(value_name)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

CLI::App* add_command(CLI::App& app, HelpFormat& help, const std::string& name,
                      const std::string& description, const std::string& synopsis) {
    CLI::App* command = app.add_subcommand(name, description);
    command->group("Commands");
    command->allow_extras();
    command->set_help_flag("-h,--help", "show this help and exit");
    help.synopsis(name, synopsis);
    return command;
}

const std::string READ_FILE_HELP =
    "the data file (default GraphDataFile2.txt; - reads it from standard input)";
// The options of the picture formats, alike in export and convert.
void picture_options(CLI::App& command, Request& request) {
    value_option(command, "--layout", request.layout, "LAYOUT",
                 "the pictures' and TikZ's layout: neato (default), circo, fdp, sfdp, dot or "
                 "twopi");
    command.add_flag("--standalone", request.standalone,
                     "TikZ: a whole LaTeX document, not only the pictures");
}

const std::string BASE_HELP =
    "the lists' first label, 0 or 1 (default 1): with 0, label L is node L+1";

void describe_commands(CLI::App& app, Request& request) {
    // On Windows CLI11 would take /x for an option; there it is a path from
    // the drive's root, as it is on Linux from the root.
    app.allow_windows_style_options(false);
    auto format = std::make_shared<HelpFormat>();
    app.formatter(format);
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", "ugraph " UGRAPH_VERSION, "show the version and exit");
    app.set_help_flag("-h,--help", "show this help and exit");
    app.footer(FOOTER);
    format->synopsis("ugraph", "ugraph [-f FILE]  (the dialogue),  or  ugraph COMMAND ...");
    value_option(app, "-f,--file", request.file, "FILE",
                 "the data file of the dialogue (default GraphDataFile2.txt)");

    CLI::App* list =
        add_command(app, *format, "list", "list the data-inputs of the data file, one per line",
                    "ugraph list [-f FILE]");
    value_option(*list, "-f,--file", request.file, "FILE", READ_FILE_HELP);

    CLI::App* show =
        add_command(app, *format, "show", "show the summary line and report of data-input N",
                    "ugraph show N [-f FILE]");
    value_option(*show, "N", request.number, "", "the number the data-input is listed under");
    value_option(*show, "-f,--file", request.file, "FILE", READ_FILE_HELP);

    const std::string written = listed(format_names(WRITTEN));
    const std::string read = listed(format_names(READ));
    const std::string labelled = listed(format_names(LABELLED), " and ");
    CLI::App* exporting = add_command(
        app, *format, "export", "write data-input N, or all of them, in another program's format",
        "ugraph export (N | all) --to FORMAT [--base 0|1] [-f FILE] [-o OUTFILE]");
    value_option(*exporting, "WHICH", request.which, "",
                 "N, or all (" + listed(format_names(SEVERAL), " and ") + " only)");
    value_option(*exporting, "--to", request.to, "FORMAT", written);
    picture_options(*exporting, request);
    value_option(*exporting, "--base", request.base, "0|1", BASE_HELP + "; " + labelled + " only");
    value_option(*exporting, "-f,--file", request.file, "FILE", READ_FILE_HELP);
    value_option(*exporting, "-o,--output", request.output, "OUTFILE",
                 "write to this file (default: standard output, also for -)");

    CLI::App* importing = add_command(
        app, *format, "import", "turn graphs of another program's format into data-inputs",
        "ugraph import --from FORMAT [--name NAME] [--base 0|1] [INPUT] [--append [-f FILE]]");
    value_option(*importing, "INPUT", request.input, "",
                 "the file to read (default: standard input, also for -)");
    value_option(*importing, "--from", request.from, "FORMAT", read);
    value_option(*importing, "--name", request.name, "NAME",
                 "the graphs' name, numbered when there are several (default: INPUT's file name "
                 "without its extension, or graph)");
    value_option(*importing, "--base", request.base, "0|1", BASE_HELP + "; " + labelled + " only");
    importing
        ->add_flag("--append", request.append,
                   "add the graphs to the data file instead of printing them")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    value_option(*importing, "-f,--file", request.file, "FILE",
                 "with --append, the data file (default GraphDataFile2.txt)");

    CLI::App* converting = add_command(
        app, *format, "convert", "turn graphs of one format into another, without a data file",
        "ugraph convert --from FORMAT --to FORMAT [--name NAME] [--base 0|1] [INPUT] "
        "[-o OUTFILE]");
    value_option(*converting, "INPUT", request.input, "",
                 "the file to read (default: standard input, also for -)");
    value_option(*converting, "--from", request.from, "FORMAT", read);
    value_option(*converting, "--to", request.to, "FORMAT", written);
    picture_options(*converting, request);
    value_option(*converting, "--name", request.name, "NAME",
                 "the graphs' name in dot, numbered when there are several (default: INPUT's "
                 "file name without its extension, or graph)");
    value_option(*converting, "--base", request.base, "0|1",
                 BASE_HELP + "; for " + labelled + " on either side");
    value_option(*converting, "-o,--output", request.output, "OUTFILE",
                 "write to this file (default: standard output, also for -)");

    CLI::App* help =
        add_command(app, *format, "help", "show the help of the program or of one command",
                    "ugraph help [COMMAND]");
    value_option(*help, "COMMAND", request.help_topic, "", "the command");
}

std::optional<std::filesystem::path> output_of(const std::string& output) {
    if (output.empty() || output == STANDARD_STREAM) {
        return std::nullopt;
    }
    return path_from_utf8(output);
}

// The format named after `option`, one of `names`; else the usage error.
Result<Format> format_of(const std::string& typed, const std::string& option,
                         const std::vector<std::string>& names, const std::string& command) {
    if (typed.empty()) {
        return refused(command + " needs " + option + " FORMAT: " + listed(names));
    }
    const std::optional<Format> format = format_named(typed);
    if (format && std::find(names.begin(), names.end(), typed) != names.end()) {
        return *format;
    }
    if (format) {
        return refused(typed + " is written, not read; " + option + " takes " + listed(names));
    }
    const std::string near = did_you_mean(typed, names);
    return refused("unknown format '" + typed + "' for " + option +
                   (near.empty() ? "; it takes " + listed(names) : near));
}

// --base as typed, and where the formats give it a meaning.
Result<int> base_of(const CLI::App& command, const std::string& typed,
                    std::initializer_list<Format> formats) {
    if (command.count("--base") == 0) {
        return 1;
    }
    if (typed != "0" && typed != "1") {
        return refused("--base takes 0 or 1, not '" + typed + "'");
    }
    std::vector<std::string> unlabelled;
    for (const Format format : formats) {
        if (is_labelled(format)) {
            return typed == "0" ? 0 : 1;
        }
        unlabelled.emplace_back(format_name(format));
    }
    return refused("--base is for " + listed(format_names(LABELLED), " and ") +
                   ", whose labels it counts; " + listed(unlabelled, " and ") +
                   (unlabelled.size() == 1 ? " has none" : " have none"));
}

int show_help(const CLI::App& app, const std::string& topic, std::ostream& out, std::ostream& err) {
    if (topic.empty()) {
        // app.help() would give the help of the command that was parsed,
        // "help" itself.
        out << app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
        return EXIT_DONE;
    }
    for (const CLI::App* command : app.get_subcommands({})) {
        if (command->get_name() == topic) {
            out << command->help(app.get_name());
            return EXIT_DONE;
        }
    }
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands({})) {
        names.push_back(command->get_name());
    }
    return tell_usage_error(
        err, {"there is no command '" + topic + "'" + did_you_mean(topic, names), ""});
}

// The command the request is for, its values checked; each gives the exit
// status.
struct Dispatch {
    const CLI::App& app;
    const CLI::App& command;
    Request& request;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    int usage(const std::string& text) const {
        return tell_usage_error(err, {text, command.get_name()});
    }
    bool file_given() const { return app.count("--file") + command.count("--file") > 0; }

    // The one format of export or import, and the lists' base that goes with it.
    Result<std::pair<Format, int>> format_and_base(const std::string& typed,
                                                   const std::string& option,
                                                   const std::vector<std::string>& names) const {
        const Result<Format> format = format_of(typed, option, names, command.get_name());
        if (!format) {
            return format.refusal();
        }
        const Result<int> base = base_of(command, request.base, {format.value()});
        if (!base) {
            return base.refusal();
        }
        return std::pair(format.value(), base.value());
    }

    int show() const {
        const std::string& typed = request.number;
        int number = 0;
        const auto [end, error] =
            std::from_chars(typed.data(), typed.data() + typed.size(), number);
        if (typed.empty()) {
            return usage("show needs the number N of a data-input");
        }
        if (error != std::errc() || end != typed.data() + typed.size() || typed[0] == '-' ||
            typed[0] == '+') {
            return usage("show takes the number of a data-input, not '" + typed + "'");
        }
        return show_command(path_from_utf8(request.file), number, in, out, err);
    }

    Result<Drawing> drawing_of() const {
        const auto known = std::find(std::begin(LAYOUTS), std::end(LAYOUTS), request.layout);
        if (known == std::end(LAYOUTS)) {
            return refused("--layout takes neato, circo, fdp, sfdp, dot or twopi, not '" +
                           request.layout + "'");
        }
        return Drawing{request.layout, request.standalone};
    }

    int export_graphs() const {
        if (request.which.empty()) {
            return usage("export needs the number N of a data-input, or all");
        }
        const auto chosen = format_and_base(request.to, "--to", format_names(WRITTEN));
        if (!chosen) {
            return usage(chosen.reason());
        }
        const auto [format, base] = chosen.value();
        const Result<Drawing> drawing = drawing_of();
        if (!drawing) {
            return usage(drawing.reason());
        }
        const ExportRequest exporting{path_from_utf8(request.file), request.which,  format, base,
                                      output_of(request.output),    drawing.value()};
        return export_command(exporting, in, out, err);
    }

    int import_graphs() const {
        const auto chosen = format_and_base(request.from, "--from", format_names(READ));
        if (!chosen) {
            return usage(chosen.reason());
        }
        const auto [format, base] = chosen.value();
        if (file_given() && !request.append) {
            return usage("-f names the data file, which import only writes with --append");
        }
        if (request.append && request.file == STANDARD_STREAM) {
            return usage("--append writes to the data file, which '-f -' cannot be");
        }
        ImportRequest import;
        import.format = format;
        import.input = request.input;
        import.base = base;
        import.append = request.append;
        import.file = path_from_utf8(request.file);
        if (command.count("--name") > 0) {
            import.name = request.name;
        }
        return import_command(import, in, out, err);
    }

    int convert_graphs() const {
        const Result<Format> from =
            format_of(request.from, "--from", format_names(READ), "convert");
        if (!from) {
            return usage(from.reason());
        }
        const Result<Format> to = format_of(request.to, "--to", format_names(WRITTEN), "convert");
        if (!to) {
            return usage(to.reason());
        }
        const Result<int> base = base_of(command, request.base, {from.value(), to.value()});
        if (!base) {
            return usage(base.reason());
        }
        const Result<Drawing> drawing = drawing_of();
        if (!drawing) {
            return usage(drawing.reason());
        }
        ConvertRequest convert;
        convert.drawing = drawing.value();
        convert.from = from.value();
        convert.to = to.value();
        convert.input = request.input;
        convert.base = base.value();
        convert.output = output_of(request.output);
        if (command.count("--name") > 0) {
            convert.name = request.name;
        }
        return convert_command(convert, in, out, err);
    }
};

}  // namespace

int run_command_line(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& err, LineEditorMaker line_editor) {
    CLI::App app(DESCRIPTION, "ugraph");
    Request request;
    describe_commands(app, request);
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    const auto concerned = [&]() -> const CLI::App& {
        const std::vector<CLI::App*> parsed = app.get_subcommands();
        return parsed.empty() ? app : *parsed.front();
    };
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            app.exit(error, out, err);  // the help or the version
            return finish_output(out, err, EXIT_DONE);
        }
        if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
            return tell_usage_error(err, missing_value(app, concerned(), args));
        }
        const std::string last = args.empty() ? std::string() : args.back();
        return tell_usage_error(err, {"'" + last + "' cannot stand there", concerned().get_name()});
    }
    const CLI::App& command = concerned();
    if (const auto left = leftover_argument(app, command, args)) {
        return tell_usage_error(err, *left);
    }
    if (const auto repeated = repeated_option(app, command, args)) {
        return tell_usage_error(err, *repeated);
    }
    const Dispatch dispatch{app, command, request, in, out, err};
    const std::string& name = command.get_name();
    if (&command != &app) {
        if (name == "list") {
            return finish_output(out, err,
                                 list_command(path_from_utf8(request.file), in, out, err));
        }
        if (name == "show") {
            return finish_output(out, err, dispatch.show());
        }
        if (name == "export") {
            return finish_output(out, err, dispatch.export_graphs());
        }
        if (name == "import") {
            return finish_output(out, err, dispatch.import_graphs());
        }
        if (name == "convert") {
            return finish_output(out, err, dispatch.convert_graphs());
        }
        return finish_output(out, err, show_help(app, request.help_topic, out, err));
    }
    if (request.file == STANDARD_STREAM) {
        return tell_usage_error(
            err, {"the dialogue reads its answers from standard input and saves the data file, "
                  "so '-f -' cannot be its data file",
                  ""});
    }
    const std::unique_ptr<LineEditor> editor = line_editor != nullptr ? line_editor() : nullptr;
    Console console(in, out, editor.get());
    run_dialogue(console, path_from_utf8(request.file));
    return EXIT_DONE;
}

}  // namespace ugraph
