#include "cli/data_file_commands.hpp"

#include <array>
#include <memory>

#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "graph/report.hpp"

namespace ugraph {

std::string quoted_name(const GraphName& name) {
    std::string quoted = "\"";
    for (const char c : name_text(name)) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\\') {
            quoted += "\\\\";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (code < 0x20 || code == 0x7f) {
            constexpr std::array<char, 16> hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
            quoted += "\\x";
            quoted += hex[code / 16];
            quoted += hex[code % 16];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

int list_command(const std::filesystem::path& file, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    const std::unique_ptr<DataSource> data = DataSource::open_or_tell(file, in, err);
    if (!data) {
        return EXIT_USAGE;
    }
    DataInputReader reader(data->stream());
    DataInput input;
    UGraph graph;
    int status = EXIT_DONE;
    while (!output_failed(out) && reader.next(input)) {
        out << input.number << "  ";
        const Result<> loaded = read_graph(input, graph);
        if (loaded) {
            out << quoted_name(graph.name) << "  " << counted(graph.node_count(), "node") << "  "
                << counted(graph.link_count(), "link") << '\n';
        } else {
            out << cannot_be_loaded(loaded.refusal()) << '\n';
            status = EXIT_NOT_LOADED;
        }
    }
    if (reader.failed()) {
        tell_error(err, "cannot read " + data->name() + " to its end");
        return EXIT_USAGE;
    }
    return status;
}

int show_command(const std::filesystem::path& file, int number, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    const std::unique_ptr<DataSource> data = DataSource::open_or_tell(file, in, err);
    if (!data) {
        return EXIT_USAGE;
    }
    if (number < 1) {
        tell_error(err, "data-inputs are numbered from 1; there is no data-input " +
                            std::to_string(number));
        return EXIT_USAGE;
    }
    DataInputReader reader(data->stream());
    DataInput input;
    if (!seek_data_input(reader, number, input)) {
        tell_error(err, no_such_data_input(data->name(), reader.count(), number));
        return EXIT_USAGE;
    }
    UGraph graph;
    const Result<> loaded = read_graph(input, graph);
    if (!loaded) {
        tell_error(
            err, "data-input " + std::to_string(number) + ' ' + cannot_be_loaded(loaded.refusal()));
        return EXIT_NOT_LOADED;
    }
    out << summary_line(graph) << adjacency_report(graph);
    return EXIT_DONE;
}

}  // namespace ugraph
