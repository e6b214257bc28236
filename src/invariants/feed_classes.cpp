#include "invariants/feed_classes.hpp"

#include <algorithm>
#include <span>

#include "invariants/canonical.hpp"

namespace ugraph {

namespace {

// Large enough that the threads meet rarely, small enough that a batch's
// rows stay in the cache between the two.
constexpr std::size_t BATCH = 4096;

}  // namespace

bool FeedClasses::Batch::print_next() {
    const std::size_t i = prints.size();
    if (i == numbers.size())
        return false;
    const auto n = static_cast<std::size_t>(nodes[i]);
    prints.push_back(fingerprint({rows.data() + printed_rows, n}));
    printed_rows += n;
    return true;
}

void FeedClasses::Batch::clear() {
    numbers.clear();
    nodes.clear();
    rows_used = 0;
    prints.clear();
    printed_rows = 0;
}

FeedClasses::FeedClasses() {
    if (std::thread::hardware_concurrency() > 1) {
        placer_ = std::thread([this] { place_batches(); });
    }
}

FeedClasses::~FeedClasses() { finish(); }

void FeedClasses::take(const GraphItem& item) {
    filling_.numbers.push_back(item.number);
    filling_.nodes.push_back(item.nodes);
    // Node k's row holds bit k for each neighbour k: one shift gives the
    // vertex row, and the vertex's own bit is its self-loop, left out.
    VertexSet* rows = filling_.room_for(item.nodes);
    // A LinkSet's last row is node 63's: any vertex past it has no links.
    const int held = std::min(item.nodes, 63);
    std::fill(rows + held, rows + item.nodes, 0);
    for (int v = 0; v < held; ++v)
        rows[v] = (item.links.row(v + 1) >> 1) & ~bit(v);
    if (filling_.numbers.size() == BATCH)
        hand_over();
}

void FeedClasses::take(long number, const DenseGraph& graph) {
    filling_.numbers.push_back(number);
    filling_.nodes.push_back(graph.n);
    std::copy(graph.rows.begin(), graph.rows.begin() + graph.n, filling_.room_for(graph.n));
    if (filling_.numbers.size() == BATCH)
        hand_over();
}

void FeedClasses::hand_over() {
    if (!placer_.joinable()) {
        place(filling_);
        filling_.clear();
        return;
    }
    // Rather than wait for the placer, fingerprint this batch's graphs, one
    // at a time, until it takes the batch before or none is left.
    while (handed_full_.load() && filling_.print_next()) {
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !handed_full_.load(); });
    std::swap(filling_, handed_);
    handed_full_ = true;
    lock.unlock();
    changed_.notify_all();
    filling_.clear();
}

void FeedClasses::finish() {
    if (!filling_.numbers.empty())
        hand_over();
    if (placer_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
        placer_.join();
    }
}

void FeedClasses::place_batches() {
    Batch placing;
    for (;;) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return handed_full_.load() || finished_; });
        if (!handed_full_)
            break;
        std::swap(placing, handed_);
        handed_full_ = false;
        lock.unlock();
        changed_.notify_all();
        place(placing);
        placing.clear();
    }
    release_nauty_space();
}

void FeedClasses::place(const Batch& batch) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < batch.numbers.size(); ++i) {
        const auto n = static_cast<std::size_t>(batch.nodes[i]);
        const std::span<const VertexSet> rows(batch.rows.data() + at, n);
        const std::uint64_t print = i < batch.prints.size() ? batch.prints[i] : fingerprint(rows);
        at += n;
        numbers.push_back(batch.numbers[i]);
        class_of.push_back(finder.place(rows, print));
    }
}

}  // namespace ugraph
