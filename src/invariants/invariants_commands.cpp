#include "invariants/invariants_commands.hpp"

#include <algorithm>
#include <string>

#include "invariants/class_finder.hpp"

namespace ugraph {

namespace {

constexpr const char* OUTPUT_FAILED = "ugraph: cannot write the output\n";

// The classes of a feed: each graph's number and class, in feed order,
// gathered class by class only at the end (one allocation, not one a class).
struct Classes {
    ClassFinder finder;
    std::vector<long> numbers;
    std::vector<int> class_of;

    void take(const GraphItem& item, const DenseGraph& graph) {
        numbers.push_back(item.number);
        class_of.push_back(finder.place(graph));
    }

    void take(const GraphItem& item) { take(item, dense_graph_of(item.links, item.nodes)); }

    // Calls visit(first, last) over each class's numbers, in class order.
    template <typename Visit>
    void each_class(Visit&& visit) {
        std::vector<std::size_t> start(static_cast<std::size_t>(finder.classes()) + 1, 0);
        for (const int c : class_of)
            ++start[static_cast<std::size_t>(c) + 1];
        for (std::size_t c = 1; c < start.size(); ++c)
            start[c] += start[c - 1];
        std::vector<long> grouped(numbers.size());
        std::vector<std::size_t> next(start.begin(), start.end() - 1);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            grouped[next[static_cast<std::size_t>(class_of[i])]++] = numbers[i];
        }
        for (std::size_t c = 0; c + 1 < start.size(); ++c) {
            visit(grouped.begin() + static_cast<std::ptrdiff_t>(start[c]),
                  grouped.begin() + static_cast<std::ptrdiff_t>(start[c + 1]));
        }
    }
};

template <typename Iterator>
std::string number_line(Iterator first, Iterator last) {
    std::sort(first, last);
    std::string line;
    for (auto number = first; number != last; ++number) {
        if (!line.empty())
            line += ' ';
        line += std::to_string(*number);
    }
    return line + '\n';
}

bool flushed(std::ostream& out, std::ostream& err) {
    if (out.flush())
        return true;
    err << OUTPUT_FAILED;
    return false;
}

}  // namespace

int run_info(const GraphFeed& graphs, InfoFormat format, const WhereFilter* where,
             std::ostream& out, std::ostream& err) {
    const auto writer = make_info_writer(format, out);
    int status = 0;
    bool written = true;
    graphs([&](const GraphItem& item) {
        GraphRecord record(item);
        if (where != nullptr && !where->holds(record))
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
        if (where == nullptr) {
            classes.take(item);
            return true;
        }
        GraphRecord record(item);
        if (where->holds(record))
            classes.take(item, record.graph());
        return true;
    });
    std::string text;
    classes.each_class([&](auto first, auto last) {
        if (!duplicates_only || last - first > 1)
            text += number_line(first, last);
        if (text.size() > 65536) {
            out << text;
            text.clear();
        }
    });
    out << text;
    return flushed(out, err) ? 0 : 1;
}

int run_find(const GraphFeed& file_graphs, const GraphFeed& queries, std::ostream& out,
             std::ostream& err) {
    Classes classes;
    file_graphs([&](const GraphItem& item) {
        classes.take(item);
        return true;
    });
    std::vector<std::string> lines;
    classes.each_class([&](auto first, auto last) { lines.push_back(number_line(first, last)); });
    int status = 0;
    queries([&](const GraphItem& item) {
        const auto found = classes.finder.look_up(dense_graph_of(item.links, item.nodes));
        out << (found ? lines[static_cast<std::size_t>(*found)] : "\n");
        status = found ? status : 1;
        return static_cast<bool>(out);
    });
    return flushed(out, err) ? status : 1;
}

std::vector<long> duplicate_numbers(const GraphFeed& graphs) {
    Classes classes;
    graphs([&](const GraphItem& item) {
        classes.take(item);
        return true;
    });
    std::vector<long> later;
    // The first member stays; every later one goes.
    classes.each_class([&](auto first, auto last) { later.insert(later.end(), first + 1, last); });
    std::sort(later.begin(), later.end());
    return later;
}

}  // namespace ugraph
