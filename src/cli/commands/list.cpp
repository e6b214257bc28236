// ugraph list [--where EXPR] [-f FILE]: one line per data-input in file
// order, numbered as the dialogue lists them:
//   1  "Path"  4 nodes  3 links
//   4  cannot be loaded: <reason>
// (the same reasons the dialogue gives; a data-input without links is listed
// as a graph). Free text is not listed. Gives 0 when every data-input loads,
// 1 when any cannot, 2 when the file cannot be read. The data file is read
// as a DataSource ("-" is standard input), in one pass, and reading stops as
// soon as a write to standard output failed. With --where only the graphs
// meeting its conditions are listed; one that cannot be loaded is still
// listed, as it is not known to miss them.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_output.hpp"
#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "cli/graph_feeds.hpp"
#include "cli/option_values.hpp"
#include "cli/progress.hpp"
#include "cli/quoted_name.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/file_place.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class ListCommand : public Command {
public:
    void declare(CLI::App& command) override {
        where_.declare(command);
        file_option(command, file_, READ_FILE_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        if (const std::optional<int> stop = where_.take(context, parsed)) {
            return *stop;
        }
        const std::unique_ptr<DataSource> data =
            DataSource::open_or_tell(path_from_utf8(parsed.data_file(file_)), context);
        if (!data) {
            return EXIT_USAGE;
        }
        DataInputReader reader(data->stream());
        DataInput input;
        UGraph graph;
        int status = EXIT_DONE;
        std::ostream& out = context.out;
        // A filter over many graphs may take a while.
        Progress progress(context.err, context.err_is_terminal && where_.given());
        while (!output_failed(out) && reader.next(input)) {
            progress.step();
            const Result<> loaded = read_graph(input, graph);
            if (loaded && !where_.keeps(graph, input.number)) {
                continue;
            }
            out << input.number << "  ";
            if (loaded) {
                out << quoted_name(graph.name) << "  " << counted(graph.node_count(), "node")
                    << "  " << counted(graph.link_count(), "link") << '\n';
            } else {
                out << placed_reason(cannot_be_loaded(loaded.refusal()), input) << '\n';
                status = EXIT_NOT_LOADED;
            }
        }
        progress.finish();
        if (reader.failed()) {
            return data->tell_unreadable(context.err);
        }
        return status;
    }

private:
    std::string file_ = GRAPH_DATA_FILE;
    Where where_;
};

}  // namespace

extern const CommandRow LIST_COMMAND = {
    "list", "list the data-inputs of the data file, one per line",
    "ugraph list [--where EXPR] [-f FILE]", make_command<ListCommand>};

}  // namespace ugraph
