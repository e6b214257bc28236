#pragma once
// What the commands that ask the invariants engine share: the engine, the
// --where option, and the graphs they hand it.
//
//   open_invariants  the engine (through the context), or nothing after
//                    telling why `what` ("info", "list --where") cannot run.
//   Where            --where EXPR of a command: declare() adds the option;
//                    take() opens the engine and parses EXPR when the option
//                    was given, and gives the status to end with when that
//                    fails (no engine; a usage error naming the unknown key
//                    or the malformed condition); keeps() tells whether a
//                    graph meets every condition (all do without --where).
//   DataFileFeed     the data-inputs of a data file as graphs, in file
//                    order: all of them, or the one numbered N. One that
//                    cannot be loaded is told ("data-input 4 cannot be
//                    loaded: ...") and passed over, which makes status() 1;
//                    a number the file does not hold is told and makes it
//                    2, as does a read that fails before the end.
//   ImportedFeed     the graphs of ImportedGraphs, each numbered by its
//                    place in the input from 1 (refused ones counted).
//   GraphSource      where info, classes and find take their graphs: the
//                    data file (one of its data-inputs, or all), or INPUT
//                    read in a format as convert reads it (self-loops kept,
//                    for the engine to count). Each open gives nothing, or
//                    the status to end with after telling why not; feed()
//                    gives the graphs once; status() then tells what the
//                    reading met (1 a graph refused, 2 an unreadable file).
//                    open_from() is the open of INPUT as `command` takes
//                    it with --from FORMAT [--base 0|1]: -f beside it, an
//                    unknown format and a base the format has no use for
//                    are usage errors; --where is taken last.
//                    links_alone(), before the open, is for a command that
//                    reads only each graph's number, node count and links:
//                    INPUT's graphs are then neither named nor built.
// Each feed lends a graph only for the call it is handed to.
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/command.hpp"
#include "cli/data_source.hpp"
#include "cli/graph_input.hpp"
#include "datainput/data_input_reader.hpp"
#include "invariants/invariants_module.hpp"

namespace CLI {
class App;
}

namespace ugraph {

const InvariantsModule* open_invariants(CommandContext& context, std::string_view what);

class Where {
public:
    void declare(CLI::App& command);
    std::optional<int> take(CommandContext& context, const Parsed& parsed);
    bool given() const { return filter_.has_value(); }
    const WhereFilter* filter() const { return filter_ ? &*filter_ : nullptr; }
    const InvariantsModule* engine() const { return engine_; }
    bool keeps(const GraphItem& graph) const;
    bool keeps(const UGraph& graph, long number) const;

private:
    std::string expression_;
    const InvariantsModule* engine_ = nullptr;
    std::optional<WhereFilter> filter_;
};

class DataFileFeed {
public:
    DataFileFeed(DataSource& data, std::optional<int> number, std::ostream& err)
        : data_(data), number_(number), err_(err) {}
    void operator()(const EachGraph& each);
    int status() const { return status_; }

private:
    DataSource& data_;
    std::optional<int> number_;
    std::ostream& err_;
    int status_ = 0;
};

class ImportedFeed {
public:
    explicit ImportedFeed(ImportedGraphs& graphs) : graphs_(graphs) {}
    void operator()(const EachGraph& each);

private:
    ImportedGraphs& graphs_;
};

// What a command was given for INPUT read with --from.
struct FromInput {
    std::string_view command;
    const std::string& format;
    const std::string& base;
    const std::string& input;
};

class GraphSource {
public:
    std::optional<int> open_from(CommandContext& context, const Parsed& parsed,
                                 const FromInput& given, Where& where);
    std::optional<int> open_data_file(CommandContext& context, const std::filesystem::path& file,
                                      std::optional<int> number);
    std::optional<int> open_input(CommandContext& context, const std::string& input, Format from,
                                  int base);
    GraphFeed feed();
    int status() const;
    void links_alone() { links_alone_ = true; }

private:
    std::ostream* err_ = nullptr;
    std::unique_ptr<DataSource> data_;
    std::unique_ptr<DataFileFeed> data_feed_;
    std::unique_ptr<GraphInput> input_;
    std::unique_ptr<GraphImporter> importer_;
    std::unique_ptr<ImportedGraphs> graphs_;
    std::unique_ptr<ImportedFeed> imported_feed_;
    bool links_alone_ = false;
};

}  // namespace ugraph
