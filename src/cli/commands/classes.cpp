// ugraph classes [--duplicates] [--where EXPR] [-f FILE | --from FORMAT
// [--base 0|1] [INPUT]]: the isomorphism classes of the data file's
// data-inputs, or with --from of the graphs of INPUT (numbered by their
// place in it from 1), one line per class: its members' numbers ascending,
// parted by one blank, the classes in the order of their first members.
// --duplicates shows only the classes of two or more; --where takes only
// the graphs meeting its conditions. Gives 0 when every graph was read, 1
// when one was refused, 2 on a usage error or a file that cannot be read.
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

class ClassesCommand : public Command {
public:
    void declare(CLI::App& command) override {
        command
            .add_flag("--duplicates", duplicates_,
                      "only the classes of two or more: the graphs found more than once")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        where_.declare(command);
        file_option(command, file_, READ_FILE_HELP);
        value_option(
            command, "--from", from_, "FORMAT",
            "read the graphs of INPUT in this format instead: " + listed(read_format_names()));
        base_option(command, base_, "with --from " + listed(labelled_format_names(), " and "));
        value_option(command, "INPUT", input_, "", "with --from, " + std::string(INPUT_HELP));
    }

    int run(CommandContext& context, const Parsed& parsed) override;

private:
    std::optional<int> open(CommandContext& context, const Parsed& parsed);

    bool duplicates_ = false;
    std::string from_;
    std::string base_;
    std::string input_;
    std::string file_ = GRAPH_DATA_FILE;
    Where where_;
    GraphSource source_;
};

int ClassesCommand::run(CommandContext& context, const Parsed& parsed) {
    if (const std::optional<int> stop = open(context, parsed)) {
        return *stop;
    }
    const InvariantsModule* engine =
        where_.given() ? where_.engine() : open_invariants(context, "classes");
    if (engine == nullptr) {
        return EXIT_USAGE;
    }
    Progress progress(context.err, context.err_is_terminal);
    const GraphFeed graphs = source_.feed();
    const int ran = engine->classes(with_progress(graphs, progress), duplicates_, where_.filter(),
                                    context.out, context.err);
    return std::max(ran, source_.status());
}

std::optional<int> ClassesCommand::open(CommandContext& context, const Parsed& parsed) {
    if (!parsed.given("--from")) {
        if (parsed.given("--base")) {
            return parsed.usage(context.err, "--base counts the labels of --from's lists");
        }
        if (parsed.given("INPUT")) {
            return parsed.usage(context.err, "classes reads INPUT only with --from FORMAT; '" +
                                                 input_ + "' has none");
        }
        if (const std::optional<int> stop = where_.take(context, parsed)) {
            return stop;
        }
        return source_.open_data_file(context, path_from_utf8(parsed.data_file(file_)),
                                      std::nullopt);
    }
    // Without --where nothing reads a graph's name or arcs: the class
    // finder wants its links alone.
    if (!parsed.given("--where")) {
        source_.links_alone();
    }
    return source_.open_from(context, parsed, {"classes", from_, base_, input_}, where_);
}

}  // namespace

extern const CommandRow CLASSES_COMMAND = {
    "classes", "the isomorphism classes of the graphs, one line of numbers per class",
    "ugraph classes [--duplicates] [--where EXPR] [-f FILE | --from FORMAT [--base 0|1] [INPUT]]",
    make_command<ClassesCommand>};

}  // namespace ugraph
