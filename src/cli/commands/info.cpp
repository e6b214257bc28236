// ugraph info (N | all | --from FORMAT [INPUT]) [--base 0|1] [--format
// table|tsv|jsonl] [--where EXPR] [-f FILE]: the invariants of each graph,
// every key in order (see invariants/graph_record.hpp), of data-input N or
// every data-input of the data file, or with --from of every graph of INPUT
// (standard input when none or "-") read as convert reads it; with --where
// only of the graphs meeting its conditions. table is aligned for people
// and comes at the end, tsv and jsonl come graph by graph. A graph whose
// chromatic number was not found within its budget is written with that
// value unknown, never a guess, and told. Gives 0 when every graph was
// written, 1 when one was refused or a value is unknown, 2 on a usage
// error or a file that cannot be read.
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

std::optional<InfoFormat> info_format(const std::string& typed) {
    if (typed == "table") {
        return InfoFormat::table;
    }
    if (typed == "tsv") {
        return InfoFormat::tsv;
    }
    if (typed == "jsonl") {
        return InfoFormat::jsonl;
    }
    return std::nullopt;
}

class InfoCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "WHICH", which_, "",
                     "N or all, of the data file; with --from, the INPUT to read (default: "
                     "standard input, also for -)");
        value_option(
            command, "--from", from_, "FORMAT",
            "read the graphs of INPUT in this format instead: " + listed(read_format_names()));
        base_option(command, base_, "with --from " + listed(labelled_format_names(), " and "));
        value_option(command, "--format", format_, "table|tsv|jsonl",
                     "aligned columns (the default), tab-separated with a header line, or one "
                     "JSON object per line");
        where_.declare(command);
        file_option(command, file_, READ_FILE_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override;

private:
    std::optional<int> open(CommandContext& context, const Parsed& parsed);

    std::string which_;
    std::string from_;
    std::string base_;
    std::string format_ = "table";
    std::string file_ = GRAPH_DATA_FILE;
    Where where_;
    GraphSource source_;
};

int InfoCommand::run(CommandContext& context, const Parsed& parsed) {
    const std::optional<InfoFormat> format = info_format(format_);
    if (!format) {
        return parsed.usage(context.err,
                            "--format takes table, tsv or jsonl, not '" + format_ + "'");
    }
    if (const std::optional<int> stop = open(context, parsed)) {
        return *stop;
    }
    const InvariantsModule* engine =
        where_.given() ? where_.engine() : open_invariants(context, "info");
    if (engine == nullptr) {
        return EXIT_USAGE;
    }
    Progress progress(context.err, context.err_is_terminal);
    const GraphFeed graphs = source_.feed();
    const int ran = engine->info(with_progress(graphs, progress), *format, where_.filter(),
                                 context.out, context.err);
    return std::max(ran, source_.status());
}

// Checks what was typed and opens where the graphs come from; gives the
// status to end with when that fails.
std::optional<int> InfoCommand::open(CommandContext& context, const Parsed& parsed) {
    if (parsed.given("--from")) {
        return source_.open_from(context, parsed, {"info", from_, base_, which_}, where_);
    }
    if (parsed.given("--base")) {
        return parsed.usage(context.err, "--base counts the labels of --from's lists");
    }
    if (which_.empty()) {
        return parsed.usage(context.err,
                            "info needs the number N of a data-input, or all, or --from FORMAT");
    }
    const std::optional<int> number = data_input_number(which_);
    if ((!number || *number < 1) && which_ != "all") {
        return parsed.usage(
            context.err, "info takes a data-input number (1 or more) or all, not '" + which_ + "'");
    }
    if (const std::optional<int> stop = where_.take(context, parsed)) {
        return stop;
    }
    return source_.open_data_file(context, path_from_utf8(parsed.data_file(file_)), number);
}

}  // namespace

extern const CommandRow INFO_COMMAND = {
    "info", "the invariants of each graph: degrees, girth, colouring, automorphisms and more",
    "ugraph info (N | all | --from FORMAT [INPUT]) [--base 0|1] [--format table|tsv|jsonl] "
    "[--where EXPR] [-f FILE]",
    make_command<InfoCommand>};

}  // namespace ugraph
