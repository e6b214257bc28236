#include "cli/graph_feeds.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/command_status.hpp"
#include "cli/option_values.hpp"
#include "datainput/data_input_graph.hpp"
#include "graph/link_set.hpp"

namespace ugraph {

const InvariantsModule* open_invariants(CommandContext& context, std::string_view what) {
    const std::string needs = std::string(what) + " needs the invariants engine";
    if (context.invariants == nullptr) {
        tell_error(context.err, needs + ", which this run lacks");
        return nullptr;
    }
    const Result<const InvariantsModule*> engine = context.invariants();
    if (!engine) {
        tell_error(context.err, needs + ": " + engine.reason());
        return nullptr;
    }
    return engine.value();
}

void Where::declare(CLI::App& command) {
    value_option(command, "--where", expression_, "EXPR",
                 "only the graphs meeting every condition of EXPR, parted by commas: KEY (a "
                 "truth of info), KEY=true|false, KEY=V, KEY=A..B, KEY=A.., KEY=..B");
}

std::optional<int> Where::take(CommandContext& context, const Parsed& parsed) {
    if (!parsed.given("--where")) {
        return std::nullopt;
    }
    engine_ = open_invariants(context, parsed.command.get_name() + " --where");
    if (engine_ == nullptr) {
        return EXIT_USAGE;
    }
    Result<WhereFilter> made = engine_->parse_where(expression_);
    if (!made) {
        return parsed.usage(context.err, made.reason() + " in --where");
    }
    filter_ = std::move(made.value());
    return std::nullopt;
}

bool Where::keeps(const GraphItem& graph) const {
    return !filter_ || engine_->meets(*filter_, graph);
}

bool Where::keeps(const UGraph& graph, long number) const {
    if (!filter_) {
        return true;
    }
    const LinkSet links = LinkSet::of(graph);
    return keeps(GraphItem{number, name_text(graph.name), graph.node_count(), links});
}

void DataFileFeed::operator()(const EachGraph& each) {
    DataInputReader reader(data_.stream());
    DataInput input;
    UGraph graph;
    // Gives false once `each` wants no more.
    const auto give = [&] {
        const Result<> loaded = read_graph(input, graph);
        if (!loaded) {
            tell_error(err_, "data-input " + std::to_string(input.number) + ' ' +
                                 cannot_be_loaded(loaded.refusal()));
            status_ = std::max(status_, EXIT_NOT_LOADED);
            return true;
        }
        const LinkSet links = LinkSet::of(graph);
        return each(GraphItem{input.number, name_text(graph.name), graph.node_count(), links});
    };
    if (!number_) {
        while (reader.next(input) && give()) {
        }
    } else if (seek_data_input(reader, *number_, input)) {
        give();
    } else if (!reader.failed()) {
        tell_error(err_, no_such_data_input(data_.name(), reader.count(), *number_));
        status_ = EXIT_USAGE;
    }
    if (reader.failed()) {
        status_ = data_.tell_unreadable(err_);
    }
}

void ImportedFeed::operator()(const EachGraph& each) {
    graphs_.run([&](const ImportedGraph& imported) {
        const UGraph& graph = imported.graph;
        return each(GraphItem{graphs_.position(), name_text(graph.name), graph.node_count(),
                              imported.links});
    });
}

std::optional<int> GraphSource::open_data_file(CommandContext& context,
                                               const std::filesystem::path& file,
                                               std::optional<int> number) {
    err_ = &context.err;
    data_ = DataSource::open_or_tell(file, context);
    if (!data_) {
        return EXIT_USAGE;
    }
    data_feed_ = std::make_unique<DataFileFeed>(*data_, number, context.err);
    return std::nullopt;
}

std::optional<int> GraphSource::open_from(CommandContext& context, const Parsed& parsed,
                                          const FromInput& given, Where& where) {
    const std::string command(given.command);
    if (parsed.given("--file") || parsed.program_file) {
        return parsed.usage(
            context.err, "-f names the data file, which " + command + " does not read with --from");
    }
    const Result<Format> from = format_of(given.format, "--from", read_format_names(), command);
    if (!from) {
        return parsed.usage(context.err, from.reason());
    }
    const Result<int> base = base_of(parsed.given("--base"), given.base, {from.value()});
    if (!base) {
        return parsed.usage(context.err, base.reason());
    }
    if (const std::optional<int> stop = where.take(context, parsed)) {
        return stop;
    }
    return open_input(context, given.input, from.value(), base.value());
}

std::optional<int> GraphSource::open_input(CommandContext& context, const std::string& input,
                                           Format from, int base) {
    err_ = &context.err;
    input_ = GraphInput::open_or_tell(input, context);
    if (!input_) {
        return EXIT_USAGE;
    }
    importer_ = std::make_unique<GraphImporter>(input_->stream(), from, base);
    if (links_alone_) {
        importer_->defer_arcs();
    }
    // Names are not cut for a format here, and the isolated nodes a list's
    // gaps add count among the nodes, so they are told.
    graphs_ = std::make_unique<ImportedGraphs>(
        *importer_, input_->default_name(), input_->source_name(),
        ImportTelling{base, false, true, !links_alone_}, context.err);
    imported_feed_ = std::make_unique<ImportedFeed>(*graphs_);
    return std::nullopt;
}

GraphFeed GraphSource::feed() {
    if (data_feed_) {
        return [feed = data_feed_.get()](const EachGraph& each) { (*feed)(each); };
    }
    return [feed = imported_feed_.get()](const EachGraph& each) { (*feed)(each); };
}

int GraphSource::status() const {
    if (data_feed_) {
        return data_feed_->status();
    }
    if (input_->stream().bad()) {
        return input_->tell_unreadable(*err_);
    }
    return graphs_->status();
}

}  // namespace ugraph
