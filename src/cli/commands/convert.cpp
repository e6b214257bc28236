// ugraph convert --from FORMAT --to FORMAT [--name NAME] [--base 0|1]
// [--where EXPR] [INPUT] [-o OUTFILE]: every graph of INPUT (a GraphInput:
// standard input when none or "-") from one format that import reads into one
// that export writes, graph by graph, without a data file: what import would
// make a data-input of is what export would write of it, through the same
// limits (50 nodes, 624 links) and told in the same lines, "line L of INPUT:
// ...". As no data-input stands between, a self-loop stays where the format
// to holds one (graph6 refuses the graph, as export does). The graphs get the
// names import would give them (for DOT, the only format that writes them).
// The lists on either side are labelled from the base. Output goes to
// standard output, or as the whole content of OUTFILE, replaced in one piece.
//
// An input of more than one graph into a format that holds one is refused
// before anything is written. Gives 0 when every graph was converted, 1 when
// one was refused, 2 on a usage error or a file that cannot be read or
// written. With --where only the graphs meeting its conditions are
// written.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/graph_feeds.hpp"
#include "cli/graph_input.hpp"
#include "cli/option_values.hpp"
#include "cli/progress.hpp"

namespace ugraph {
namespace {

class ConvertCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "INPUT", input_, "", INPUT_HELP);
        value_option(command, "--from", from_, "FORMAT", listed(read_format_names()));
        value_option(command, "--to", to_, "FORMAT", listed(written_format_names()));
        drawing_options_.declare(command);
        value_option(command, "--name", name_, "NAME",
                     "the graphs' name in dot, numbered when there are several (default: "
                     "INPUT's file name without its extension, or graph)");
        base_option(command, base_,
                    "for " + listed(labelled_format_names(), " and ") + " on either side");
        where_.declare(command);
        value_option(command, "-o,--output", output_, "OUTFILE", OUTPUT_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override;

private:
    int convert(CommandContext& context, const Parsed& parsed, Format from, Format to, int base);

    std::string input_;
    std::string from_;
    std::string to_;
    std::string name_;
    std::string base_;
    std::string output_;
    DrawingOptions drawing_options_;
    Drawing drawing_;
    Where where_;
};

int ConvertCommand::run(CommandContext& context, const Parsed& parsed) {
    const Result<Format> from = format_of(from_, "--from", read_format_names(), "convert");
    if (!from) {
        return parsed.usage(context.err, from.reason());
    }
    const Result<Format> to = format_of(to_, "--to", written_format_names(), "convert");
    if (!to) {
        return parsed.usage(context.err, to.reason());
    }
    const Result<int> base = base_of(parsed.given("--base"), base_, {from.value(), to.value()});
    if (!base) {
        return parsed.usage(context.err, base.reason());
    }
    const Result<Drawing> drawing = drawing_options_.drawing();
    if (!drawing) {
        return parsed.usage(context.err, drawing.reason());
    }
    drawing_ = drawing.value();
    if (const std::optional<int> stop = where_.take(context, parsed)) {
        return *stop;
    }
    return convert(context, parsed, from.value(), to.value(), base.value());
}

int ConvertCommand::convert(CommandContext& context, const Parsed& parsed, Format from, Format to,
                            int base) {
    const std::unique_ptr<GraphInput> input = GraphInput::open_or_tell(input_, context);
    if (!input) {
        return EXIT_USAGE;
    }
    const std::string to_name(format_name(to));
    GraphImporter importer(input->stream(), from, base);
    // graph6 and sparse6 are written from the links as they were read, and
    // with --where only the graphs kept are laid out as arcs at all.
    const bool from_links = writes_line_graphs(to);
    if (where_.given() || from_links) {
        importer.defer_arcs();
    }
    // Nor do those two formats write a name.
    const bool named = !from_links || where_.given();
    ImportedGraphs graphs(
        importer, parsed.given("--name") ? name_ : input->default_name(), input->source_name(),
        ImportTelling{base, to == Format::dot, holds_isolated_nodes(to), named}, context.err);
    if (graphs.several() && !holds_several_graphs(to)) {
        return parsed.usage(context.err, input->source_name() +
                                             " holds more than one graph, and an " + to_name +
                                             " holds one; convert them one by one");
    }
    CommandOutput sink(context.platform, context.out, output_of(output_));
    if (!sink.open({}, context.err)) {  // no data file to keep it from
        return EXIT_USAGE;
    }
    int status = EXIT_DONE;
    // A filter over many graphs may take a while.
    Progress progress(context.err, context.err_is_terminal && where_.given());
    open_document(to, sink.text(), drawing_);
    graphs.run([&](ImportedGraph& imported) {
        progress.step();
        if (where_.given()) {
            if (!where_.keeps(GraphItem{graphs.position(), name_text(imported.graph.name),
                                        imported.graph.node_count(), imported.links})) {
                return true;
            }
            if (!from_links) {
                lay_out_arcs(imported);
            }
        }
        const Result<> written =
            from_links
                ? append_line_graph(to, imported.links, imported.graph.node_count(), sink.text())
                : append_in_format(to, imported.graph, sink.text(), base, drawing_);
        if (!written) {
            graphs.tell(imported.line,
                        "the graph cannot be written as " + to_name + ": " + written.reason());
            status = EXIT_NOT_LOADED;
        } else if (const auto note = unwritten_nodes(to, imported.graph, imported.added_nodes)) {
            graphs.tell(imported.line, *note);
        }
        return sink.flush_if_full();
    });
    progress.finish();
    if (input->stream().bad()) {
        return input->tell_unreadable(context.err);
    }
    close_document(to, sink.text(), drawing_);
    return sink.finish(context.err, graphs.status() != EXIT_DONE ? graphs.status() : status);
}

}  // namespace

extern const CommandRow CONVERT_COMMAND = {
    "convert", "turn graphs of one format into another, without a data file",
    "ugraph convert --from FORMAT --to FORMAT [--layout LAYOUT] [--standalone] [--name NAME] "
    "[--base 0|1] [--where EXPR] [INPUT] [-o OUTFILE]",
    make_command<ConvertCommand>};

}  // namespace ugraph
