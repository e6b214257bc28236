// The two texts made from the largest graph: the report shown after every
// load and edit, and the written form shown and saved at the end.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>

#include "bench_graphs.hpp"
#include "console/console.hpp"
#include "datainput/data_input_text.hpp"
#include "dialogue/show_adjacency.hpp"

namespace ugraph::bench {
namespace {

// Counts what is written and keeps none of it, so the figure is the report's
// own cost and not that of a growing string.
class DiscardingBuffer : public std::streambuf {
public:
    std::size_t written = 0;

protected:
    int_type overflow(int_type c) override {
        ++written;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* /*text*/, std::streamsize n) override {
        written += static_cast<std::size_t>(n);
        return n;
    }
};

void BM_show_adjacency(benchmark::State& state) {
    const UGraph graph = largest_graph();
    std::istringstream no_answers;
    DiscardingBuffer buffer;
    std::ostream out(&buffer);
    Console console(no_answers, out);
    for (auto _ : state) {
        show_adjacency(console, graph);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(buffer.written));
}

void BM_written_form(benchmark::State& state) {
    const UGraph graph = largest_graph();
    std::size_t chars = 0;
    for (auto _ : state) {
        const std::string text = written_form(graph);
        chars += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(chars));
}

BENCHMARK(BM_show_adjacency);
BENCHMARK(BM_written_form);

}  // namespace
}  // namespace ugraph::bench
