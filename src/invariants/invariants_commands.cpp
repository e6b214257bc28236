#include "invariants/invariants_commands.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "invariants/canonical.hpp"
#include "invariants/feed_classes.hpp"

namespace ugraph {

namespace {

// The most a line of `count` numbers takes: a long's digits, its sign and
// the blank or line end after it, each.
std::size_t line_room(std::ptrdiff_t count) { return static_cast<std::size_t>(count) * 21 + 1; }

// Writes the numbers ascending, parted by one blank, and a line end, at
// `out`, with line_room(last - first) bytes there; gives the end.
template <typename Iterator>
char* write_number_line(Iterator first, Iterator last, char* out) {
    char* const end = out + line_room(last - first);
    if (last - first == 1) {
        // Most classes hold one graph: nothing to sort, no blank to take back.
        out = std::to_chars(out, end, *first).ptr;
        *out++ = '\n';
        return out;
    }
    if (first == last) {
        *out++ = '\n';
        return out;
    }
    std::sort(first, last);
    for (auto number = first; number != last; ++number) {
        out = std::to_chars(out, end, *number).ptr;
        *out++ = ' ';
    }
    out[-1] = '\n';
    return out;
}

template <typename Iterator>
std::string number_line(Iterator first, Iterator last) {
    std::string line(line_room(last - first), '\0');
    line.resize(
        static_cast<std::size_t>(write_number_line(first, last, line.data()) - line.data()));
    return line;
}

// A failed output is the caller's to tell: it knows a closed pipe from a
// full disk.
bool flushed(std::ostream& out) { return static_cast<bool>(out.flush()); }

}  // namespace

namespace {

// The graphs info has taken and not written yet, each with its own copy of
// what the feed lent, so that their records can be computed on other
// threads while the feed reads on.
struct Pending {
    long number = 0;
    std::string name;
    int nodes = 0;
    LinkSet links;
    std::optional<GraphItem> item;
    std::optional<GraphRecord> record;
    bool kept = true;
};

constexpr std::size_t BATCH = 2048;

// Computes every key of the batch's records, split among the threads.
void compute_batch(std::vector<Pending>& batch, std::size_t size, const WhereFilter* where) {
    auto work = [&](std::size_t first, std::size_t step) {
        for (std::size_t i = first; i < size; i += step) {
            Pending& p = batch[i];
            p.item.emplace(GraphItem{p.number, p.name, p.nodes, p.links});
            p.record.emplace(*p.item);
            p.kept = where == nullptr || where->holds(*p.record);
            for (int k = 0; p.kept && k < KEY_COUNT; ++k)
                (void)p.record->value(static_cast<Key>(k));
        }
    };
    const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back([&work, t, threads] {
            work(t, threads);
            release_nauty_space();
        });
    work(0, threads);
    for (auto& helper : helpers)
        helper.join();
}

}  // namespace

int run_info(const GraphFeed& graphs, InfoFormat format, const WhereFilter* where,
             std::ostream& out, std::ostream& err) {
    const auto writer = make_info_writer(format, out);
    int status = 0;
    bool written = true;
    std::vector<Pending> batch(BATCH);
    std::size_t size = 0;
    auto flush_batch = [&] {
        compute_batch(batch, size, where);
        for (std::size_t i = 0; i < size && written; ++i) {
            if (!batch[i].kept)
                continue;
            written = writer->write(*batch[i].record);
            if (batch[i].record->value(Key::chromatic_number).kind == Value::Kind::unknown) {
                err << "ugraph: graph " << batch[i].number
                    << ": its chromatic number was not found within the search's budget\n";
                status = 1;
            }
        }
        size = 0;
    };
    graphs([&](const GraphItem& item) {
        Pending& p = batch[size++];
        p.number = item.number;
        p.name.assign(item.name);
        p.nodes = item.nodes;
        p.links = item.links;
        if (size == BATCH)
            flush_batch();
        return written;
    });
    flush_batch();
    if (!writer->finish() || !written) {
        return 1;
    }
    return status;
}

int run_classes(const GraphFeed& graphs, bool duplicates_only, const WhereFilter* where,
                std::ostream& out, std::ostream& /*err*/) {
    FeedClasses classes;
    graphs([&](const GraphItem& item) {
        if (where == nullptr) {
            classes.take(item);
            return true;
        }
        GraphRecord record(item);
        if (where->holds(record))
            classes.take(item.number, record.graph());
        return true;
    });
    classes.finish();
    // The lines are written into a block, handed on whenever the next
    // might not fit: most hold one number, and a call a line adds up.
    std::vector<char> block(std::size_t{1} << 16);
    std::size_t used = 0;
    classes.each_class([&](auto first, auto last) {
        if (duplicates_only && last - first < 2)
            return;
        const std::size_t room = line_room(last - first);
        if (used + room > block.size()) {
            out.write(block.data(), static_cast<std::streamsize>(used));
            used = 0;
            block.resize(std::max(block.size(), room));
        }
        used = static_cast<std::size_t>(write_number_line(first, last, block.data() + used) -
                                        block.data());
    });
    out.write(block.data(), static_cast<std::streamsize>(used));
    return flushed(out) ? 0 : 1;
}

int run_find(const GraphFeed& file_graphs, const GraphFeed& queries, std::ostream& out,
             std::ostream& /*err*/) {
    FeedClasses classes;
    file_graphs([&](const GraphItem& item) {
        classes.take(item);
        return true;
    });
    classes.finish();
    std::vector<std::string> lines;
    classes.each_class([&](auto first, auto last) { lines.push_back(number_line(first, last)); });
    int status = 0;
    queries([&](const GraphItem& item) {
        const auto found = classes.finder.look_up(dense_graph_of(item.links, item.nodes));
        out << (found ? lines[static_cast<std::size_t>(*found)] : "\n");
        status = found ? status : 1;
        return static_cast<bool>(out);
    });
    return flushed(out) ? status : 1;
}

std::vector<long> duplicate_numbers(const GraphFeed& graphs) {
    FeedClasses classes;
    graphs([&](const GraphItem& item) {
        classes.take(item);
        return true;
    });
    classes.finish();
    std::vector<long> later;
    // The first member stays; every later one goes.
    classes.each_class([&](auto first, auto last) { later.insert(later.end(), first + 1, last); });
    std::sort(later.begin(), later.end());
    return later;
}

}  // namespace ugraph
