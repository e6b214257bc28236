// Runs the benchmarks as usual and then sets the figures side by side
// against their targets: normalize_arcs against the selection sort, the
// largest session against the one-line session, and the peak memory of the
// largest session against the smallest. Exits 1 when a benchmark reported an
// error (a session that did not run as scripted, say); missed targets are
// reported, not failed, since timings on a shared machine are noisy.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class TargetReporter : public benchmark::ConsoleReporter {
public:
    TargetReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {}

    // With --benchmark_repetitions the median stands for a benchmark; it
    // comes after the single repetitions and so replaces them.
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                failed = true;
            } else if (run.iterations > 0 &&
                       (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")) {
                seconds[run.run_name.str()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
                const auto rss = run.counters.find("peak_rss_kB");
                if (rss != run.counters.end()) {
                    peak_rss_kb[run.run_name.str()] = rss->second.value;
                }
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    bool failed = false;
    std::map<std::string, double> seconds;
    std::map<std::string, double> peak_rss_kb;
};

bool both(const std::map<std::string, double>& figures, const std::string& a,
          const std::string& b) {
    return figures.contains(a) && figures.contains(b);
}

void print_targets(const TargetReporter& r) {
    std::printf("\nTargets\n");
    for (const char* arcs : {"10", "100", "624", "1249"}) {
        const std::string fast = std::string("BM_normalize_arcs/") + arcs;
        const std::string slow = std::string("BM_selection_sort/") + arcs;
        if (both(r.seconds, fast, slow)) {
            const double ratio = r.seconds.at(slow) / r.seconds.at(fast);
            std::printf("  selection sort / normalize_arcs, %4s arcs: %7.1f x%s\n", arcs, ratio,
                        std::string(arcs) == "1249"
                            ? (ratio >= 20 ? "   (at least 20: met)" : "   (at least 20: MISSED)")
                            : "");
        }
    }
    if (both(r.seconds, "BM_session_largest/manual_time", "BM_session_one_line/manual_time")) {
        const double ratio = r.seconds.at("BM_session_largest/manual_time") /
                             r.seconds.at("BM_session_one_line/manual_time");
        std::printf("  largest session / one-line session, wall time: %.2f x   (at most 2: %s)\n",
                    ratio, ratio <= 2 ? "met" : "MISSED");
    }
    if (both(r.seconds, "BM_session_largest/manual_time", "BM_session_smallest/manual_time")) {
        std::printf("  largest session / smallest session, wall time: %.2f x\n",
                    r.seconds.at("BM_session_largest/manual_time") /
                        r.seconds.at("BM_session_smallest/manual_time"));
    }
    if (both(r.peak_rss_kb, "BM_session_largest/manual_time", "BM_session_smallest/manual_time")) {
        const double largest = r.peak_rss_kb.at("BM_session_largest/manual_time");
        const double smallest = r.peak_rss_kb.at("BM_session_smallest/manual_time");
        const double change = 100.0 * (largest - smallest) / smallest;
        std::printf(
            "  peak memory, largest against smallest session: %.0f kB against %.0f kB, "
            "%+.1f %%   (within 5 %%: %s)\n",
            largest, smallest, change, change <= 5 && change >= -5 ? "met" : "MISSED");
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    print_targets(reporter);
    return reporter.failed ? 1 : 0;
}
