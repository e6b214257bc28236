// ugraph show N [--where EXPR] [-f FILE]: the summary line and the report of
// data-input N, the lines the dialogue prints after loading it. Gives 1 when
// it cannot be loaded, 2 when the file holds no data-input N or cannot be
// read. The data file is read as a DataSource ("-" is standard input). With
// --where, a data-input that does not meet its conditions is not shown: that
// is told, and gives 1.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "cli/graph_feeds.hpp"
#include "cli/option_values.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/file_place.hpp"
#include "graph/report.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class ShowCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "N", number_, "", "the number the data-input is listed under");
        where_.declare(command);
        file_option(command, file_, READ_FILE_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        if (number_.empty()) {
            return parsed.usage(context.err, "show needs the number N of a data-input");
        }
        const std::optional<int> number = data_input_number(number_);
        if (!number) {
            return parsed.usage(context.err,
                                "show takes the number of a data-input, not '" + number_ + "'");
        }
        if (const std::optional<int> stop = where_.take(context, parsed)) {
            return *stop;
        }
        return show(context, path_from_utf8(parsed.data_file(file_)), *number);
    }

private:
    int show(CommandContext& context, const std::filesystem::path& file, int number) {
        const std::unique_ptr<DataSource> data = DataSource::open_or_tell(file, context);
        if (!data) {
            return EXIT_USAGE;
        }
        if (number < 1) {
            tell_error(context.err, "data-inputs are numbered from 1; there is no data-input " +
                                        std::to_string(number));
            return EXIT_USAGE;
        }
        DataInputReader reader(data->stream());
        DataInput input;
        if (!seek_data_input(reader, number, input)) {
            tell_error(context.err, no_such_data_input(data->name(), reader.count(), number));
            return EXIT_USAGE;
        }
        UGraph graph;
        const Result<> loaded = read_graph(input, graph);
        if (!loaded) {
            tell_error(context.err, "data-input " + std::to_string(number) + ' ' +
                                        placed_reason(cannot_be_loaded(loaded.refusal()), input));
            return EXIT_NOT_LOADED;
        }
        if (!where_.keeps(graph, number)) {
            tell_error(context.err, "data-input " + std::to_string(number) +
                                        " does not meet the conditions of --where");
            return EXIT_NOT_LOADED;
        }
        context.out << summary_line(graph) << adjacency_report(graph);
        return EXIT_DONE;
    }

    std::string number_;
    std::string file_ = GRAPH_DATA_FILE;
    Where where_;
};

}  // namespace

extern const CommandRow SHOW_COMMAND = {"show", "show the summary line and report of data-input N",
                                        "ugraph show N [--where EXPR] [-f FILE]",
                                        make_command<ShowCommand>};

}  // namespace ugraph
