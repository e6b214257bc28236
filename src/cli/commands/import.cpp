// ugraph import --from FORMAT [--name NAME] [--base 0|1] [INPUT]
// [-o OUTFILE | --append [-f FILE]]: every graph of INPUT (a GraphInput:
// standard input when none or "-") as one data-input in the written form a
// line, to standard output or OUTFILE (a CommandOutput: never the data
// file), or with --append added to the data file in one safe replacement
// (the backup included), its other data-inputs kept. An INPUT without a
// graph is told in one note. What the
// graphs meet on the way is told as ImportedGraphs tells it; self-loops are
// dropped, and the lines they stood on told. Gives 0 when every graph was
// taken, 1 when one was refused, 2 on a usage error or a file that cannot be
// read or written.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "cli/graph_input.hpp"
#include "cli/option_values.hpp"
#include "datainput/data_input_text.hpp"
#include "storage/append_data_inputs.hpp"
#include "storage/data_file.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace {

class ImportCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "INPUT", input_, "", INPUT_HELP);
        value_option(command, "--from", from_, "FORMAT", listed(read_format_names()));
        value_option(command, "--name", name_, "NAME",
                     "the graphs' name, numbered when there are several (default: INPUT's file "
                     "name without its extension, or graph)");
        base_option(command, base_, listed(labelled_format_names(), " and ") + " only");
        command
            .add_flag("--append", append_,
                      "add the graphs to the data file instead of printing them")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        file_option(command, file_, "with --append, the data file (default GraphDataFile2.txt)");
        value_option(command, "-o,--output", output_, "OUTFILE", OUTPUT_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override;

private:
    int append(CommandContext& context, const std::string& text) const;

    std::string input_;
    std::string from_;
    std::string name_;
    std::string base_;
    bool append_ = false;
    std::string file_ = GRAPH_DATA_FILE;
    std::string output_;
};

int ImportCommand::run(CommandContext& context, const Parsed& parsed) {
    std::ostream& err = context.err;
    const Result<Format> format = format_of(from_, "--from", read_format_names(), "import");
    if (!format) {
        return parsed.usage(err, format.reason());
    }
    const Result<int> base = base_of(parsed.given("--base"), base_, {format.value()});
    if (!base) {
        return parsed.usage(err, base.reason());
    }
    file_ = parsed.data_file(file_);
    if ((parsed.given("--file") || parsed.program_file) && !append_) {
        return parsed.usage(err, "-f names the data file, which import only writes with --append");
    }
    if (append_ && file_ == STANDARD_STREAM) {
        return parsed.usage(err, "--append writes to the data file, which '-f -' cannot be");
    }
    if (append_ && parsed.given("--output")) {
        return parsed.usage(err,
                            "-o writes the data-inputs to OUTFILE, --append adds them to the "
                            "data file; give one of them");
    }
    // OUTFILE is never the data file, under any name: a mistyped -o would
    // replace the library with the imported graphs.
    CommandOutput sink(context.platform, context.out, output_of(output_));
    if (!append_ && !sink.open(path_from_utf8(file_), err)) {
        return EXIT_USAGE;
    }
    const std::unique_ptr<GraphInput> input = GraphInput::open_or_tell(input_, context);
    if (!input) {
        return EXIT_USAGE;
    }
    GraphImporter importer(input->stream(), format.value(), base.value());
    importer.defer_arcs();  // the written form is made from the links
    const std::string name = parsed.given("--name") ? name_ : input->default_name();
    ImportedGraphs graphs(importer, name, input->source_name(),
                          ImportTelling{base.value(), true, true}, err);
    // Appended text goes in one replacement at the end; printed text flows
    // out as it grows.
    std::string appended;
    std::string& text = append_ ? appended : sink.text();
    long taken = 0;
    graphs.run([&](const ImportedGraph& imported) {
        if (imported.loops > 0) {
            graphs.tell(imported.loop_lines, counted(imported.loops, "self-loop") +
                                                 " dropped, since a data-input cannot hold them");
        }
        append_written_form(name_text(imported.graph.name), imported.graph.node_count(),
                            imported.links, text);
        text += '\n';
        ++taken;
        return append_ || sink.flush_if_full();
    });
    if (input->stream().bad()) {
        return input->tell_unreadable(err);
    }
    if (taken == 0 && graphs.status() == EXIT_DONE) {
        tell_error(err, input->source_name() + " holds no graph" +
                            (append_ ? "; nothing was added to " + file_ : std::string()));
    }
    if (!append_) {
        return sink.finish(err, graphs.status());
    }
    if (const int status = append(context, appended); status != EXIT_DONE) {
        return status;
    }
    return graphs.status();
}

int ImportCommand::append(CommandContext& context, const std::string& text) const {
    if (text.empty()) {
        return EXIT_DONE;
    }
    const std::filesystem::path file = path_from_utf8(file_);
    std::ostream& err = context.err;
    const Result<ReplaceReport> appended = append_data_inputs(
        file, text, context.platform, [&] { tell_error(err, waiting_note(file)); });
    if (!appended) {
        tell_error(err, appended.reason());
        return EXIT_USAGE;
    }
    if (appended.value().backup_refused_by_folder) {
        tell_error(err, no_backup_note(file));
    }
    return EXIT_DONE;
}

}  // namespace

extern const CommandRow IMPORT_COMMAND = {
    "import", "turn graphs of another program's format into data-inputs",
    "ugraph import --from FORMAT [--name NAME] [--base 0|1] [INPUT] [-o OUTFILE | --append [-f "
    "FILE]]",
    make_command<ImportCommand>};

}  // namespace ugraph
