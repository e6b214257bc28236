// Whole sessions of the built ugraph program, each a process of its own:
// wall time from start to exit and the peak resident memory the kernel
// records for the child. A one-line session (K, then the end of input)
// gives the start-up cost the full sessions are measured against.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bench_graphs.hpp"
#include "datainput/data_input_text.hpp"
#include "graph/arc_list.hpp"
#include "storage/data_file.hpp"

namespace ugraph::bench {
namespace {

namespace fs = std::filesystem;

constexpr int EDIT_PASSES = 5;

struct Session {
    std::string data_file;        // empty: the folder holds no data file
    std::string answers;          // everything typed, as one input
    std::string data_file_after;  // the data file the session must leave
    int reports;                  // how often the report must be shown
};

// Loads the graph, then five passes that each retype one node's higher
// neighbours as they stand (so every pass runs the editor, normalize_arcs
// and the report on the full graph), then saves it.
Session full_session(const UGraph& graph) {
    const std::string written = written_form(graph);
    Session session{"Made for the session benchmark\n" + written + "\n", "F\n1\n", written,
                    1 + EDIT_PASSES};
    const std::int32_t nodes = graph.node_count();
    for (int pass = 0; pass < EDIT_PASSES; ++pass) {
        const std::int32_t node = 1 + pass % nodes;
        std::string line;
        for (const std::int32_t v : graph.neighbors(node)) {
            if (v > node) {
                line += std::to_string(v) + ',';
            }
        }
        session.answers += "Y\n" + std::to_string(node) + "\n" + line + "\n0\n";
    }
    session.answers += "N\n\n\n";
    return session;
}

Session one_line_session() { return {"", "K\n", "", 0}; }

std::string read_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

struct Run {
    double seconds = 0;
    long peak_rss_kb = 0;
    bool exited_0 = false;
};

// fork, not posix_spawn: a child sharing the parent's memory until exec
// would be charged the benchmark's own peak instead of ugraph's.
Run run_ugraph(const fs::path& folder) {
    const std::string answers = folder / "answers.txt";
    const std::string shown = folder / "stdout.txt";
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int in = open(answers.c_str(), O_RDONLY);
        const int out = open(shown.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
            chdir(folder.c_str()) != 0) {
            _exit(127);
        }
        execl(UGRAPH_BINARY, "ugraph", static_cast<char*>(nullptr));
        _exit(127);
    }
    Run run;
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child) {
        run.exited_0 = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        run.peak_rss_kb = usage.ru_maxrss;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

// A forked child is charged what it holds of the parent's memory before its
// exec; ugraph's figure means something only above that floor.
long forked_peak_rss_kb() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    return child > 0 && wait4(child, &status, 0, &usage) == child ? usage.ru_maxrss : 0;
}

int count_of(const std::string& text, const std::string& part) {
    int found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// The session runs in a scratch folder under the system's temporary folder
// (TMPDIR), with the data file laid anew before every run.
void run_session(benchmark::State& state, const Session& session) {
    std::error_code no_temp;
    std::string folder_name = fs::temp_directory_path(no_temp) / "ugraph-bench-XXXXXX";
    if (no_temp || mkdtemp(folder_name.data()) == nullptr) {
        state.SkipWithError("cannot make a scratch folder");
        return;
    }
    const fs::path scratch = folder_name;
    const fs::path data = scratch / GRAPH_DATA_FILE;
    write_file(scratch / "answers.txt", session.answers);
    const auto lay_data_file = [&] {
        if (!session.data_file.empty()) {
            write_file(data, session.data_file);
        }
    };

    // One checked run first: the figures count only if the session did what
    // it is meant to do.
    lay_data_file();
    const Run check = run_ugraph(scratch);
    const std::string shown = read_file(scratch / "stdout.txt");
    if (!check.exited_0 || count_of(shown, "The array of degrees:") != session.reports ||
        (fs::exists(data) ? read_file(data) : "") != session.data_file_after) {
        state.SkipWithError("the session did not run as scripted");
        fs::remove_all(scratch);
        return;
    }

    long peak_rss_kb = 0;
    const long floor_kb = forked_peak_rss_kb();
    for (auto _ : state) {
        lay_data_file();
        const Run run = run_ugraph(scratch);
        if (!run.exited_0) {
            state.SkipWithError("ugraph did not exit with status 0");
            break;
        }
        state.SetIterationTime(run.seconds);
        peak_rss_kb = std::max(peak_rss_kb, run.peak_rss_kb);
    }
    fs::remove_all(scratch);
    if (peak_rss_kb <= floor_kb) {
        state.SkipWithError("ugraph's peak memory is hidden by the benchmark's own");
        return;
    }
    state.counters["peak_rss_kB"] = static_cast<double>(peak_rss_kb);
    state.counters["fork_floor_kB"] = static_cast<double>(floor_kb);
}

void BM_session_one_line(benchmark::State& state) { run_session(state, one_line_session()); }
void BM_session_smallest(benchmark::State& state) {
    run_session(state, full_session(smallest_graph()));
}
void BM_session_largest(benchmark::State& state) {
    run_session(state, full_session(largest_graph()));
}

BENCHMARK(BM_session_one_line)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_session_smallest)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_session_largest)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ugraph::bench
