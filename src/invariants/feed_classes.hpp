#pragma once
// FeedClasses: the isomorphism classes of a feed's graphs, taken in feed
// order, and each graph's number and class once finish() has run.
//
// take() copies the graph's rows into a batch and goes on; a second thread,
// when there is a second core, places the batches in the ClassFinder one
// after the other, in feed order, while the feed reads on, so the classes
// come out the same as with one thread. A full batch that finds the placer
// still busy with the one before has its fingerprints computed by the
// feed's thread meanwhile, so that the work falls to whichever thread is
// free. finish() waits for every graph taken; only then are finder,
// numbers and class_of to be read, and each_class(visit) calls
// visit(first, last) over each class's numbers (an iterator range the
// visit may reorder), in class order.
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "invariants/chunked_vector.hpp"
#include "invariants/class_finder.hpp"
#include "invariants/graph_item.hpp"

namespace ugraph {

class FeedClasses {
public:
    FeedClasses();
    ~FeedClasses();
    FeedClasses(const FeedClasses&) = delete;
    FeedClasses& operator=(const FeedClasses&) = delete;

    void take(const GraphItem& item);
    void take(long number, const DenseGraph& graph);
    void finish();

    template <typename Visit>
    void each_class(Visit&& visit);

    ClassFinder finder;
    ChunkedVector<long> numbers;
    ChunkedVector<int> class_of;

private:
    // Graphs taken and not placed yet: their numbers, node counts and rows,
    // one after the other, and the fingerprints of as many of the first as
    // were computed before the batch was handed over.
    struct Batch {
        std::vector<long> numbers;
        std::vector<int> nodes;
        std::vector<VertexSet> rows;  // the first rows_used
        std::size_t rows_used = 0;
        std::vector<std::uint64_t> prints;
        std::size_t printed_rows = 0;  // where the first graph not printed starts
        // Grown seldom, never shrunk: rows are written in place, not pushed.
        VertexSet* room_for(int n) {
            const std::size_t at = rows_used;
            rows_used += static_cast<std::size_t>(n);
            if (rows_used > rows.size())
                rows.resize(std::max(rows_used, 2 * rows.size()));
            return rows.data() + at;
        }
        bool print_next();
        void clear();
    };
    void hand_over();
    void place(const Batch& batch);
    void place_batches();

    // The feed's thread writes its batch at every graph and the placer its
    // tables: kept on cache lines of their own, neither slows the other.
    alignas(64) Batch filling_;
    alignas(64) Batch handed_;
    // Set and cleared under the mutex; read without it by the feed's thread
    // between the fingerprints it computes while it waits.
    alignas(64) std::atomic<bool> handed_full_ = false;
    bool finished_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread placer_;
};

template <typename Visit>
void FeedClasses::each_class(Visit&& visit) {
    // Grouped class by class only at the end: one allocation, not one a
    // class. end[c] counts up from class c's start to its end as it fills.
    std::vector<std::size_t> end(static_cast<std::size_t>(finder.classes()) + 1, 0);
    for (std::size_t i = 0; i < class_of.size(); ++i)
        ++end[static_cast<std::size_t>(class_of[i]) + 1];
    for (std::size_t c = 1; c < end.size(); ++c)
        end[c] += end[c - 1];
    std::vector<long> grouped(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i)
        grouped[end[static_cast<std::size_t>(class_of[i])]++] = numbers[i];
    // Class c now runs from end[c - 1] (0 for the first) to end[c].
    std::size_t start = 0;
    for (std::size_t c = 0; c + 1 < end.size(); ++c) {
        visit(grouped.begin() + static_cast<std::ptrdiff_t>(start),
              grouped.begin() + static_cast<std::ptrdiff_t>(end[c]));
        start = end[c];
    }
}

}  // namespace ugraph
