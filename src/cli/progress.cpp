#include "cli/progress.hpp"

#include <string>

namespace ugraph {

namespace {

constexpr auto FIRST_AFTER = std::chrono::seconds(1);
constexpr auto EVERY = std::chrono::milliseconds(100);

}  // namespace

Progress::Progress(std::ostream& err, bool shown)
    : err_(err),
      shown_(shown),
      start_(std::chrono::steady_clock::now()),
      next_(start_ + FIRST_AFTER) {}

void Progress::finish() {
    if (written_ > 0) {
        err_ << std::string(written_, ' ') + '\r' << std::flush;
        written_ = 0;
    }
}

void Progress::tick() {
    const auto now = std::chrono::steady_clock::now();
    if (now < next_) {
        return;
    }
    next_ = now + EVERY;
    std::string line = "ugraph: " + std::to_string(graphs_) + " graphs so far";
    const std::size_t length = line.size();
    // The count only grows: each line covers the last.
    line += '\r';
    err_ << line << std::flush;
    written_ = length;
}

GraphFeed with_progress(const GraphFeed& feed, Progress& progress) {
    return [&feed, &progress](const EachGraph& each) {
        feed([&](const GraphItem& graph) {
            progress.step();
            return each(graph);
        });
        progress.finish();
    };
}

}  // namespace ugraph
