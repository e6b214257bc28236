#include "cli/interchange_commands.hpp"

#include <charconv>
#include <memory>

#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "cli/graph_input.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/data_input_text.hpp"
#include "graph/arc_list.hpp"
#include "storage/append_data_inputs.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace {

std::optional<int> data_input_number(std::string_view which) {
    int number = 0;
    const auto [end, error] = std::from_chars(which.data(), which.data() + which.size(), number);
    if (error != std::errc() || end != which.data() + which.size() || number < 1) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::optional<std::string> unwritten_nodes(Format format, const UGraph& graph, int added) {
    if (holds_isolated_nodes(format)) {
        return std::nullopt;
    }
    int isolated = 0;
    const int vertices = vertex_count(graph);
    for (int node = 1; node <= vertices; ++node) {
        isolated += graph.neighbors(node).empty() ? 1 : 0;
    }
    isolated -= added;
    if (isolated <= 0) {
        return std::nullopt;
    }
    return counted(isolated, "isolated node") + " not written, as an " +
           std::string(format_name(format)) + " cannot hold them";
}

int export_command(const ExportRequest& request, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    const Format format = request.format;
    const std::optional<int> number = data_input_number(request.which);
    if (!number && request.which != "all") {
        tell_error(err, "export takes a data-input number (1 or more) or all, not '" +
                            request.which + "' (see 'ugraph export --help')");
        return EXIT_USAGE;
    }
    if (!number && !holds_several_graphs(format)) {
        tell_error(err, "an " + std::string(format_name(format)) +
                            " holds one graph; export the data-inputs one by one (see 'ugraph "
                            "export --help')");
        return EXIT_USAGE;
    }
    CommandOutput sink(out, request.output);
    if (!sink.open(request.file, err)) {
        return EXIT_USAGE;
    }
    std::unique_ptr<DataSource> data = DataSource::open_or_tell(request.file, in, err);
    if (!data) {
        return EXIT_USAGE;
    }
    DataInputReader reader(data->stream());
    DataInput input;
    if (number && !seek_data_input(reader, *number, input)) {
        tell_error(err, no_such_data_input(data->name(), reader.count(), *number));
        return EXIT_USAGE;
    }
    // A format written from links (graph6, a table of bits) gets them as the
    // loader gathers them, so that a long export does not lay out the arcs of
    // every data-input only to read them back; the others get the graph.
    const FormatRow& row = format_row(format);
    UGraph graph;
    LinkSet links;
    int nodes = 0;
    const auto load = [&] {
        return row.write_links != nullptr ? read_links(input, graph.name, links, nodes)
                                          : read_graph(input, graph);
    };
    const auto write = [&] {
        return row.write_links != nullptr
                   ? row.write_links(links, nodes, sink.text())
                   : append_in_format(format, graph, sink.text(), request.base, request.drawing);
    };
    bool flowing = true;  // the output still takes the text
    int status = EXIT_DONE;
    const auto export_one = [&] {
        const std::string which = "data-input " + std::to_string(input.number);
        const Result<> loaded = load();
        if (!loaded) {
            tell_error(err, which + ' ' + cannot_be_loaded(loaded.refusal()));
            status = EXIT_NOT_LOADED;
            return;
        }
        const Result<> written = write();
        if (!written) {
            tell_error(err, which + " cannot be written as " + std::string(format_name(format)) +
                                ": " + written.reason());
            status = EXIT_NOT_LOADED;
        } else if (const auto note = unwritten_nodes(format, graph)) {
            tell_error(err, which + ": " + *note);
        }
        flowing = sink.flush_if_full();
    };
    open_document(format, sink.text(), request.drawing);
    if (number) {
        export_one();
    } else {
        while (flowing && reader.next(input)) {
            export_one();
        }
    }
    if (reader.failed()) {
        tell_error(err, "cannot read " + data->name() + " to its end");
        return EXIT_USAGE;
    }
    close_document(format, sink.text(), request.drawing);
    data.reset();  // the data file's lock goes before OUTFILE's is taken
    return sink.finish(err, status);
}

int import_command(const ImportRequest& request, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    const std::unique_ptr<GraphInput> input = GraphInput::open_or_tell(request.input, in, err);
    if (!input) {
        return EXIT_USAGE;
    }
    GraphImporter importer(input->stream(), request.format, request.base);
    ImportedGraphs graphs(importer, request.name.value_or(input->default_name()),
                          input->source_name(), ImportTelling{request.base, true, true}, err);
    std::string text;
    graphs.run([&](const ImportedGraph& imported) {
        if (imported.loops > 0) {
            graphs.tell(imported.loop_lines, counted(imported.loops, "self-loop") +
                                                 " dropped, since a data-input cannot hold them");
        }
        append_written_form(imported.graph, text);
        text += '\n';
        if (!request.append && text.size() >= CommandOutput::FLUSH_AT) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
        return !output_failed(out);
    });
    if (input->stream().bad()) {
        tell_error(err, "cannot read " + input->source_name() + " to its end");
        return EXIT_USAGE;
    }
    if (request.append) {
        if (!text.empty()) {
            const Result<ReplaceReport> appended =
                append_data_inputs(request.file, text, system_platform(),
                                   [&] { tell_error(err, waiting_note(request.file)); });
            if (!appended) {
                tell_error(err, appended.reason());
                return EXIT_USAGE;
            }
            if (appended.value().backup_refused_by_folder) {
                tell_error(err, no_backup_note(request.file));
            }
        }
    } else {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    return graphs.status();
}

}  // namespace ugraph
