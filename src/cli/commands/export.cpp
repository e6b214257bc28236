// ugraph export (N | all) --to FORMAT [--base 0|1] [-f FILE] [--where EXPR]
// [-o OUTFILE]: data-input N, or with "all" every data-input in file order in
// one pass, of the data file (a DataSource: "-" is standard input) in FORMAT,
// the lists labelled from the base, to standard output or, with OUTFILE, as
// the whole content of that file (see CommandOutput). A data-input that
// cannot be loaded, or that the format cannot hold, is told; with "all" the
// others are still written. "all" is for the formats that hold several
// graphs, for PDF (a page per graph) and for SVG and PNG (a file per graph,
// named after OUTFILE and the data-input's number, each told). The isolated
// nodes an edge list cannot name are told. Gives 0 when everything was
// written, 1 when a data-input was refused, 2 on a usage error, a number out
// of range, or a file that cannot be read or written. With --where only the
// data-inputs meeting its conditions are written; data-input N that does not
// is told, and gives 1.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "cli/command.hpp"
#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "cli/graph_feeds.hpp"
#include "cli/option_values.hpp"
#include "cli/progress.hpp"
#include "cli/usage_error.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/file_place.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class ExportCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "WHICH", which_, "",
                     "N, or all (" + listed(several_graph_format_names(), ", ") +
                         ", pdf a page each, svg and png a file each with -o)");
        value_option(command, "--to", to_, "FORMAT", listed(written_format_names()));
        drawing_options_.declare(command);
        base_option(command, base_, listed(labelled_format_names(), " and ") + " only");
        where_.declare(command);
        file_option(command, file_, READ_FILE_HELP);
        value_option(command, "-o,--output", output_, "OUTFILE", OUTPUT_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override;

private:
    int export_graphs(CommandContext& context, const Parsed& parsed, std::optional<int> number);
    int write_numbered(CommandContext& context, const std::filesystem::path& data_file, int number,
                       std::string& picture) const;

    std::string which_;
    std::string to_;
    std::string base_;
    std::string file_ = GRAPH_DATA_FILE;
    std::string output_;
    DrawingOptions drawing_options_;
    Drawing drawing_;
    Where where_;
    Format format_ = Format::graph6;
    int first_label_ = 1;
};

int ExportCommand::run(CommandContext& context, const Parsed& parsed) {
    if (which_.empty()) {
        return parsed.usage(context.err, "export needs the number N of a data-input, or all");
    }
    const Result<Format> format = format_of(to_, "--to", written_format_names(), "export");
    if (!format) {
        return parsed.usage(context.err, format.reason());
    }
    const Result<int> base = base_of(parsed.given("--base"), base_, {format.value()});
    if (!base) {
        return parsed.usage(context.err, base.reason());
    }
    format_ = format.value();
    first_label_ = base.value();
    const Result<Drawing> drawing = drawing_options_.drawing();
    if (!drawing) {
        return parsed.usage(context.err, drawing.reason());
    }
    drawing_ = drawing.value();
    const std::optional<int> number = data_input_number(which_);
    if ((!number || *number < 1) && which_ != "all") {
        // "ALL" or "All" is near "all" too, however many letters differ.
        std::string lower = which_;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const std::string near =
            lower == "all" ? "; did you mean 'all'?" : did_you_mean(which_, {"all"});
        return parsed.usage(
            context.err,
            "export takes a data-input number (1 or more) or all, not '" + which_ + "'" + near);
    }
    if (!number && is_file_per_picture(format_) && !output_of(output_)) {
        return parsed.usage(context.err, "the pictures of all go to files of their own, so " +
                                             std::string(format_name(format_)) +
                                             " needs -o OUTFILE (g.svg gives g-1.svg, g-2.svg, "
                                             "... by data-input number)");
    }
    if (!number && !holds_several_graphs(format_) && !is_file_per_picture(format_) &&
        format_ != Format::pdf) {
        return parsed.usage(context.err, "an " + std::string(format_name(format_)) +
                                             " holds one graph; export the data-inputs one by one");
    }
    if (const std::optional<int> stop = where_.take(context, parsed)) {
        return *stop;
    }
    return export_graphs(context, parsed, number);
}

// One picture of several as a file of its own, named after -o and the
// data-input's number; the name is told, so that the user learns it.
int ExportCommand::write_numbered(CommandContext& context, const std::filesystem::path& data_file,
                                  int number, std::string& picture) const {
    const std::filesystem::path name = numbered_file(*output_of(output_), number);
    CommandOutput one(context.platform, context.out, name);
    if (!one.open(data_file, context.err)) {
        return EXIT_USAGE;
    }
    one.text() = std::move(picture);
    const int status = one.finish(context.err, EXIT_DONE);
    if (status == EXIT_DONE) {
        tell_error(context.err,
                   "data-input " + std::to_string(number) + " is drawn in " + utf8_of(name));
    }
    return status;
}

int ExportCommand::export_graphs(CommandContext& context, const Parsed& parsed,
                                 std::optional<int> number) {
    std::ostream& err = context.err;
    const std::filesystem::path file = path_from_utf8(parsed.data_file(file_));
    CommandOutput sink(context.platform, context.out, output_of(output_));
    if (!sink.open(file, err)) {
        return EXIT_USAGE;
    }
    std::unique_ptr<DataSource> data = DataSource::open_or_tell(file, context);
    if (!data) {
        return EXIT_USAGE;
    }
    // Only a refused data-input is told where it stands.
    DataInputReader reader(data->stream(), Placing::when_asked);
    DataInput input;
    if (number && !seek_data_input(reader, *number, input)) {
        tell_error(err, no_such_data_input(data->name(), reader.count(), *number));
        return EXIT_USAGE;
    }
    // The data-input as read, its links and node count, and the graph made
    // of them for the writers that take a graph; graph6 and sparse6 are
    // written from the links themselves.
    const bool from_links = writes_line_graphs(format_);
    DataInputLinks read;
    UGraph graph;
    const auto load = [&] {
        Result<> loaded = read_links(input, read);
        if (loaded && !from_links) {
            make_graph(read, graph);
        }
        return loaded;
    };
    // Of all the data-inputs, a PDF takes each as a page of one document, an
    // SVG or PNG goes to a file of its own; the other formats take them in turn.
    const bool pages = !number && format_ == Format::pdf;
    const bool file_each = !number && is_file_per_picture(format_);
    std::vector<std::string> page_documents;
    int status = EXIT_DONE;
    bool flowing = true;  // the output still takes the text
    const auto write = [&]() -> Result<> {
        if (from_links) {
            return append_line_graph(format_, read.links, read.nodes, sink.text());
        }
        if (!pages && !file_each) {
            return append_in_format(format_, graph, sink.text(), first_label_, drawing_);
        }
        std::string picture;
        if (Result<> drawn = append_in_format(format_, graph, picture, first_label_, drawing_);
            !drawn) {
            return drawn;
        }
        if (pages) {
            page_documents.push_back(std::move(picture));
        } else {
            const int written = write_numbered(context, file, input.number, picture);
            status = std::max(status, written);
            // A file that cannot be written says why once: the next would too.
            flowing = written == EXIT_DONE;
        }
        return Done{};
    };
    // A filter over many graphs may take a while.
    Progress progress(err, context.err_is_terminal && where_.given());
    const auto export_one = [&] {
        progress.step();
        // Only a refusal or a note names the data-input: most are told nothing.
        const auto which = [&] { return "data-input " + std::to_string(input.number); };
        const Result<> loaded = load();
        if (!loaded) {
            reader.place(input);
            tell_error(err,
                       which() + ' ' + placed_reason(cannot_be_loaded(loaded.refusal()), input));
            status = EXIT_NOT_LOADED;
            return;
        }
        if (where_.given() &&
            !where_.keeps(GraphItem{input.number, name_text(read.name), read.nodes, read.links})) {
            if (number) {
                tell_error(err, which() + " does not meet the conditions of --where");
                status = EXIT_NOT_LOADED;
            }
            return;
        }
        const Result<> written = write();
        if (!written) {
            tell_error(err, which() + " cannot be written as " + std::string(format_name(format_)) +
                                ": " + written.reason());
            status = EXIT_NOT_LOADED;
        } else if (const auto note = from_links ? std::nullopt : unwritten_nodes(format_, graph)) {
            tell_error(err, which() + ": " + *note);
        }
        flowing = flowing && sink.flush_if_full();
    };
    open_document(format_, sink.text(), drawing_);
    if (number) {
        export_one();
    } else {
        while (flowing && reader.next(input)) {
            export_one();
        }
    }
    progress.finish();
    if (reader.failed()) {
        return data->tell_unreadable(err);
    }
    close_document(format_, sink.text(), drawing_);
    if (pages && !page_documents.empty()) {
        if (const Result<> joined = join_pdf_pages(page_documents, sink.text()); !joined) {
            tell_error(err, joined.reason());
            return EXIT_USAGE;
        }
    }
    data.reset();  // the data file's lock goes before OUTFILE's is taken
    if (file_each) {
        return status;  // every file is written already; -o names none of them
    }
    return sink.finish(err, status);
}

}  // namespace

extern const CommandRow EXPORT_COMMAND = {
    "export", "write data-input N, or all of them, in another program's format",
    "ugraph export (N | all) --to FORMAT [--layout LAYOUT] [--standalone] [--base 0|1] [-f FILE] "
    "[--where EXPR] [-o OUTFILE]",
    make_command<ExportCommand>};

}  // namespace ugraph
