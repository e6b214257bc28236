#include "invariants/invariants_commands.hpp"

#include <algorithm>
#include <string>

#include "invariants/class_finder.hpp"

namespace ugraph {

namespace {

constexpr const char* OUTPUT_FAILED = "ugraph: cannot write the output\n";

bool meets(const WhereFilter* where, GraphRecord& record) {
    return where == nullptr || where->holds(record);
}

// The classes of a feed and their members' numbers, in order of their first.
struct Classes {
    ClassFinder finder;
    std::vector<std::vector<long>> members;

    void take(const GraphItem& item, const DenseGraph& graph) {
        const int c = finder.place(graph);
        if (static_cast<std::size_t>(c) == members.size())
            members.emplace_back();
        members[static_cast<std::size_t>(c)].push_back(item.number);
    }
};

std::string number_line(std::vector<long> numbers) {
    std::sort(numbers.begin(), numbers.end());
    std::string line;
    for (const long number : numbers) {
        if (!line.empty())
            line += ' ';
        line += std::to_string(number);
    }
    return line + '\n';
}

}  // namespace

int run_info(const GraphFeed& graphs, InfoFormat format, const WhereFilter* where,
             std::ostream& out, std::ostream& err) {
    const auto writer = make_info_writer(format, out);
    int status = 0;
    bool written = true;
    graphs([&](const GraphItem& item) {
        GraphRecord record(item);
        if (!meets(where, record))
            return true;
        written = writer->write(record);
        if (record.value(Key::chromatic_number).kind == Value::Kind::unknown) {
            err << "ugraph: graph " << item.number
                << ": its chromatic number was not found within the search's budget\n";
            status = 1;
        }
        return written;
    });
    if (!writer->finish() || !written) {
        err << OUTPUT_FAILED;
        return 1;
    }
    return status;
}

int run_classes(const GraphFeed& graphs, bool duplicates_only, const WhereFilter* where,
                std::ostream& out, std::ostream& err) {
    Classes classes;
    graphs([&](const GraphItem& item) {
        GraphRecord record(item);
        if (meets(where, record))
            classes.take(item, record.graph());
        return true;
    });
    for (const auto& members : classes.members) {
        if (!duplicates_only || members.size() > 1)
            out << number_line(members);
    }
    if (!out.flush()) {
        err << OUTPUT_FAILED;
        return 1;
    }
    return 0;
}

int run_find(const GraphFeed& file_graphs, const GraphFeed& queries, std::ostream& out,
             std::ostream& err) {
    Classes classes;
    file_graphs([&](const GraphItem& item) {
        classes.take(item, dense_graph_of(item.links, item.nodes));
        return true;
    });
    int status = 0;
    queries([&](const GraphItem& item) {
        const auto found = classes.finder.look_up(dense_graph_of(item.links, item.nodes));
        if (found) {
            out << number_line(classes.members[static_cast<std::size_t>(*found)]);
        } else {
            out << '\n';
            status = 1;
        }
        return static_cast<bool>(out);
    });
    if (!out.flush()) {
        err << OUTPUT_FAILED;
        return 1;
    }
    return status;
}

std::vector<long> duplicate_numbers(const GraphFeed& graphs) {
    Classes classes;
    graphs([&](const GraphItem& item) {
        classes.take(item, dense_graph_of(item.links, item.nodes));
        return true;
    });
    std::vector<long> later;
    for (const auto& members : classes.members) {
        // The first member stays; every later one goes.
        later.insert(later.end(), members.begin() + 1, members.end());
    }
    std::sort(later.begin(), later.end());
    return later;
}

}  // namespace ugraph
