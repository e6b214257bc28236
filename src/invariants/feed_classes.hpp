#pragma once
// FeedClasses: the isomorphism classes of a feed's graphs, taken in feed
// order, and each graph's number and class once finish() has run.
//
// take() copies the graph's rows into a batch and goes on; a second thread,
// when there is a second core, places the batches in the ClassFinder one
// after the other, in feed order, while the feed reads on, so the classes
// come out the same as with one thread. finish() waits for every graph
// taken; only then are finder, numbers and class_of to be read, and
// each_class(visit) calls visit(first, last) over each class's numbers (an
// iterator range the visit may reorder), in class order.
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
    // one after the other.
    struct Batch {
        std::vector<long> numbers;
        std::vector<int> nodes;
        std::vector<VertexSet> rows;
        void clear();
    };
    void hand_over();
    void place(const Batch& batch);
    void place_batches();

    Batch filling_;
    Batch handed_;
    bool handed_full_ = false;
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
