// ugraph find [-f FILE] --from FORMAT [--base 0|1] [QUERY]: for each graph
// of QUERY (standard input when none or "-"), read in FORMAT as convert
// reads it, one line with the numbers of the data file's data-inputs
// isomorphic to it, ascending, parted by one blank; an empty line when
// none is. Gives 0 when every query was found, 1 when one was not (or was
// refused, or a data-input could not be loaded), 2 on a usage error or a
// file that cannot be read.
#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/command.hpp"
#include "cli/command_status.hpp"
#include "cli/graph_feeds.hpp"
#include "cli/option_values.hpp"
#include "cli/progress.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class FindCommand : public Command {
public:
    void declare(CLI::App& command) override {
        file_option(command, file_, READ_FILE_HELP);
        value_option(command, "--from", from_, "FORMAT",
                     "the format of the query graphs: " + listed(read_format_names()));
        base_option(command, base_, listed(labelled_format_names(), " and ") + " only");
        value_option(command, "QUERY", query_, "",
                     "the query graphs' file (default: standard input, also for -)");
    }

    int run(CommandContext& context, const Parsed& parsed) override;

private:
    std::string file_ = GRAPH_DATA_FILE;
    std::string from_;
    std::string base_;
    std::string query_;
};

int FindCommand::run(CommandContext& context, const Parsed& parsed) {
    std::ostream& err = context.err;
    const Result<Format> from = format_of(from_, "--from", read_format_names(), "find");
    if (!from) {
        return parsed.usage(err, from.reason());
    }
    const Result<int> base = base_of(parsed.given("--base"), base_, {from.value()});
    if (!base) {
        return parsed.usage(err, base.reason());
    }
    const std::string file = parsed.data_file(file_);
    if (file == STANDARD_STREAM && (query_.empty() || query_ == STANDARD_STREAM)) {
        return parsed.usage(err,
                            "the data file and the queries cannot both be standard input; name "
                            "one of them");
    }
    const InvariantsModule* engine = open_invariants(context, "find");
    if (engine == nullptr) {
        return EXIT_USAGE;
    }
    GraphSource graphs;
    GraphSource queries;
    if (const std::optional<int> stop =
            graphs.open_data_file(context, path_from_utf8(file), std::nullopt)) {
        return *stop;
    }
    if (const std::optional<int> stop =
            queries.open_input(context, query_, from.value(), base.value())) {
        return *stop;
    }
    Progress progress(err, context.err_is_terminal);
    const GraphFeed file_graphs = graphs.feed();
    const GraphFeed query_graphs = queries.feed();
    const int ran = engine->find(with_progress(file_graphs, progress),
                                 with_progress(query_graphs, progress), context.out, err);
    return std::max({ran, graphs.status(), queries.status()});
}

}  // namespace

extern const CommandRow FIND_COMMAND = {
    "find", "the numbers of the data-inputs isomorphic to each query graph",
    "ugraph find [-f FILE] --from FORMAT [--base 0|1] [QUERY]", make_command<FindCommand>};

}  // namespace ugraph
