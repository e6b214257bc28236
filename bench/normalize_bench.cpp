// normalize_arcs against the plain quadratic normalisation it replaces, on
// the same loose lists of 10 to MAX_NORMALIZE_ARCS arcs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <utility>

#include "bench_graphs.hpp"

namespace ugraph::bench {
namespace {

// The baseline, written out literally: pack every arc and its reverse as a
// pair key, sort the keys by selection sort (the lowest slot wins among equal
// minima, at most one exchange per position), keep the last key of every run
// of equal ones and unpack it. A pair key is a * PAIR_BASE + b.
constexpr int PAIR_BASE = 10000;

void selection_sort_normalize(UGraph& graph) {
    ArcArray& arc_from = graph.arc_from;
    ArcArray& arc_to = graph.arc_to;
    std::array<std::int32_t, ARC_SLOTS> pair_table;
    const auto keys = 2 * static_cast<std::size_t>(arc_from[0]);
    std::size_t k = 1;
    for (; arc_from[k] != 0; ++k) {
        pair_table[(2 * k) - 1] = arc_from[k] * PAIR_BASE + arc_to[k];
        pair_table[2 * k] = arc_to[k] * PAIR_BASE + arc_from[k];
    }
    pair_table[(2 * k) - 1] = 0;
    for (std::size_t p = 1; p <= keys; ++p) {
        std::size_t least = p;
        for (std::size_t s = p + 1; s <= keys; ++s) {
            if (pair_table[s] < pair_table[least]) {
                least = s;
            }
        }
        if (least != p) {
            std::swap(pair_table[p], pair_table[least]);
        }
    }
    ArcListWriter arcs(graph);
    for (std::size_t s = 1; s <= keys; ++s) {
        if (pair_table[s] != pair_table[s + 1]) {
            arcs.append(pair_table[s] / PAIR_BASE, pair_table[s] % PAIR_BASE);
        }
    }
    arcs.close();
}

// Both sorts normalise the list in place, so each pass starts from a fresh
// copy of the arcs in use (the count, the arcs and the closing 0); both pay
// for the same copy.
template <void (*Normalize)(UGraph&)>
void normalize_loose_list(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const UGraph loose = random_arc_list(count);
    UGraph work = loose;

    // Both must give the same canonical list, or the figures compare nothing.
    UGraph expected = loose;
    normalize_arcs(expected);
    Normalize(work);
    const auto used = static_cast<std::ptrdiff_t>(expected.arc_from[0]) + 2;
    if (!std::equal(expected.arc_from.begin(), expected.arc_from.begin() + used,
                    work.arc_from.begin()) ||
        !std::equal(expected.arc_to.begin(), expected.arc_to.begin() + used, work.arc_to.begin())) {
        state.SkipWithError("the two normalisations disagree");
        return;
    }

    for (auto _ : state) {
        std::copy_n(loose.arc_from.begin(), count + 2, work.arc_from.begin());
        std::copy_n(loose.arc_to.begin(), count + 2, work.arc_to.begin());
        Normalize(work);
        benchmark::DoNotOptimize(work.arc_from.data());
        benchmark::DoNotOptimize(work.arc_to.data());
        benchmark::ClobberMemory();
    }
    state.counters["arcs_out"] = work.arc_count();
}

void BM_normalize_arcs(benchmark::State& state) { normalize_loose_list<normalize_arcs>(state); }
void BM_selection_sort(benchmark::State& state) {
    normalize_loose_list<selection_sort_normalize>(state);
}

BENCHMARK(BM_normalize_arcs)->Arg(10)->Arg(100)->Arg(624)->Arg(MAX_NORMALIZE_ARCS);
BENCHMARK(BM_selection_sort)->Arg(10)->Arg(100)->Arg(624)->Arg(MAX_NORMALIZE_ARCS);

}  // namespace
}  // namespace ugraph::bench
