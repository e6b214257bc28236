#include "cli/convert_command.hpp"

#include <memory>

#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/graph_input.hpp"
#include "cli/interchange_commands.hpp"

namespace ugraph {

int convert_command(const ConvertRequest& request, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    const std::unique_ptr<GraphInput> input = GraphInput::open_or_tell(request.input, in, err);
    if (!input) {
        return EXIT_USAGE;
    }
    const std::string to(format_name(request.to));
    GraphImporter importer(input->stream(), request.from, request.base);
    ImportedGraphs graphs(
        importer, request.name.value_or(input->default_name()), input->source_name(),
        ImportTelling{request.base, request.to == Format::dot, holds_isolated_nodes(request.to)},
        err);
    if (graphs.several() && !holds_several_graphs(request.to)) {
        tell_error(err, input->source_name() + " holds more than one graph, and an " + to +
                            " holds one; convert them one by one (see 'ugraph convert --help')");
        return EXIT_USAGE;
    }
    CommandOutput sink(out, request.output);
    if (!sink.open({}, err)) {  // no data file to keep it from
        return EXIT_USAGE;
    }
    int status = EXIT_DONE;
    open_document(request.to, sink.text(), request.drawing);
    graphs.run([&](const ImportedGraph& imported) {
        const Result<> written = append_in_format(request.to, imported.graph, sink.text(),
                                                  request.base, request.drawing);
        if (!written) {
            graphs.tell(imported.line,
                        "the graph cannot be written as " + to + ": " + written.reason());
            status = EXIT_NOT_LOADED;
        } else if (const auto note =
                       unwritten_nodes(request.to, imported.graph, imported.added_nodes)) {
            graphs.tell(imported.line, *note);
        }
        return sink.flush_if_full();
    });
    close_document(request.to, sink.text(), request.drawing);
    if (input->stream().bad()) {
        tell_error(err, "cannot read " + input->source_name() + " to its end");
        return EXIT_USAGE;
    }
    return sink.finish(err, graphs.status() != EXIT_DONE ? graphs.status() : status);
}

}  // namespace ugraph
