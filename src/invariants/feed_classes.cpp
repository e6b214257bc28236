#include "invariants/feed_classes.hpp"

#include <algorithm>

#include "invariants/canonical.hpp"

namespace ugraph {

namespace {

// Large enough that the threads meet rarely, small enough that a batch's
// rows stay in the cache between the two.
constexpr std::size_t BATCH = 4096;

}  // namespace

void FeedClasses::Batch::clear() {
    numbers.clear();
    nodes.clear();
    rows.clear();
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
    for (int v = 0; v < item.nodes; ++v)
        filling_.rows.push_back(v < 63 ? (item.links.row(v + 1) >> 1) & ~bit(v) : 0);
    if (filling_.numbers.size() == BATCH)
        hand_over();
}

void FeedClasses::take(long number, const DenseGraph& graph) {
    filling_.numbers.push_back(number);
    filling_.nodes.push_back(graph.n);
    filling_.rows.insert(filling_.rows.end(), graph.rows.begin(), graph.rows.begin() + graph.n);
    if (filling_.numbers.size() == BATCH)
        hand_over();
}

void FeedClasses::hand_over() {
    if (!placer_.joinable()) {
        place(filling_);
        filling_.clear();
        return;
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !handed_full_; });
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
        changed_.wait(lock, [this] { return handed_full_ || finished_; });
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
    // One graph reused: only the rows the last one used are cleared.
    DenseGraph graph;
    std::size_t at = 0;
    for (std::size_t i = 0; i < batch.numbers.size(); ++i) {
        const int n = batch.nodes[i];
        const auto first = batch.rows.begin() + static_cast<std::ptrdiff_t>(at);
        std::copy(first, first + n, graph.rows.begin());
        std::fill(graph.rows.begin() + std::min(n, graph.n), graph.rows.begin() + graph.n, 0);
        graph.n = n;
        at += static_cast<std::size_t>(n);
        numbers.push_back(batch.numbers[i]);
        class_of.push_back(finder.place(graph));
    }
}

}  // namespace ugraph
