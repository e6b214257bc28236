#!/usr/bin/env bash
# Builds the optimised benchmarks and runs each of them briefly, so that they
# keep building and their own checks keep passing: both normalisations give
# the same arcs, every scripted session runs as scripted, list gives a line
# per data-input, and the graph6 export gives back nauty's lines. The figures
# and targets are printed, not judged; a shared CI machine is too noisy for
# that. bench/README.md has the figures of a full run.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --workflow --preset bench
build/bench/bench/ugraph_bench --benchmark_min_time=0.01
UGRAPH_BENCH_RUNS=3 bash bench/list_scaling.sh build/bench/ugraph
UGRAPH_BENCH_RUNS=3 bash bench/interchange_speed.sh build/bench/ugraph
