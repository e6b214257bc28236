#pragma once
// Progress: how far a run over many graphs has come, for a person watching
// standard error: one line, "ugraph: 120000 graphs so far", rewritten in
// place about ten times a second once the run has lasted a second, and
// wiped when it ends. Nothing at all when standard error is not a terminal
// (a file, a pipe, a script), nor for a run that ends within its first
// second.
//
// The line ends in a carriage return rather than starting with one, so
// that a message the run tells meanwhile is written over it from its
// start. step() counts one graph; it reads the clock only every few graphs,
// so that it costs a fast run nothing. finish() wipes the line, as the end
// does; the count goes on should more graphs come.
#include <chrono>
#include <cstddef>
#include <ostream>

#include "invariants/graph_item.hpp"

namespace ugraph {

class Progress {
public:
    Progress(std::ostream& err, bool shown);
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    ~Progress() { finish(); }
    void finish();

    void step() {
        ++graphs_;
        if (shown_ && graphs_ % CLOCK_EVERY == 0) {
            tick();
        }
    }

private:
    static constexpr long CLOCK_EVERY = 16;
    void tick();

    std::ostream& err_;
    bool shown_;
    long graphs_ = 0;
    std::size_t written_ = 0;  // the length of the line on the screen
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point next_;
};

// The feed's graphs, each counted by `progress` as it passes.
GraphFeed with_progress(const GraphFeed& feed, Progress& progress);

}  // namespace ugraph
