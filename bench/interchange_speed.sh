#!/usr/bin/env bash
# ugraph's graph6 import and export against nauty's own converter, on the
# 261,080 connected graphs on 9 vertices that `nauty-geng -c -q 9` makes.
#
#   bench/interchange_speed.sh <ugraph binary>     (runs: UGRAPH_BENCH_RUNS, 5)
#
# Timed side by side in one hyperfine run, each command the same number of
# times, the best (shortest) wall time of each kept:
#   import   ugraph import --from graph6 g9.g6          (data-inputs to stdout)
#   export   ugraph export all --to graph6 -f g9.txt    (graph6 to stdout)
#   copyg    nauty-copyg -s -q g9.g6 g9.s6              (graph6 to sparse6)
# Before timing, the export must give back geng's lines byte for byte. Peak
# memory (/usr/bin/time) of import and export is compared with the same
# command on the first graph alone. Prints the ratios against the targets:
# each command no longer than copyg, and each peak within 2 MB (2048 kB) of
# its one-graph run. Targets are reported, not failed: a shared machine is
# too noisy to judge.
set -euo pipefail
binary=$(realpath "$1")
runs=${UGRAPH_BENCH_RUNS:-5}
for tool in nauty-geng nauty-copyg hyperfine /usr/bin/time /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "interchange_speed: skipped, $tool is not installed"
        exit 0
    fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

nauty-geng -c -q 9 >g9.g6
head -n 1 g9.g6 >one.g6
"$binary" import --from graph6 g9.g6 >g9.txt
"$binary" import --from graph6 one.g6 >one.txt
"$binary" export all --to graph6 -f g9.txt | cmp -s - g9.g6 ||
    { echo "FAIL: the export of g9 does not give back geng's lines"; exit 1; }

import="$binary import --from graph6"
export="$binary export all --to graph6 -f"
hyperfine -N --warmup 1 --runs "$runs" --style none --export-json times.json \
    -n import "$import g9.g6" \
    -n export "$export g9.txt" \
    -n copyg "nauty-copyg -s -q g9.g6 g9.s6" >/dev/null

peak_kB() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
cat >peaks.txt <<EOF
import $(peak_kB $import g9.g6) $(peak_kB $import one.g6)
export $(peak_kB $export g9.txt) $(peak_kB $export one.txt)
EOF

echo "interchange_speed: $(wc -l <g9.g6) graphs of nauty-geng -c -q 9, best of $runs runs"
/usr/bin/python3 - <<'PY'
import json
best = {r["command"]: r["min"] for r in json.load(open("times.json"))["results"]}
met = True
print(f"{'command':>8} {'best ms':>8} {'/ copyg':>8}")
for what in ("import", "export", "copyg"):
    ratio = best[what] / best["copyg"]
    met = met and ratio <= 1
    print(f"{what:>8} {best[what] * 1e3:>8.1f} {ratio:>8.2f}")
print(f"{'command':>8} {'peak kB':>8} {'one graph':>10} {'growth':>7}")
for line in open("peaks.txt"):
    what, peak, one = line.split()
    growth = int(peak) - int(one)
    met = met and growth <= 2048
    print(f"{what:>8} {peak:>8} {one:>10} {growth:>7}")
print("targets (each no longer than copyg, each peak within 2048 kB of one graph):",
      "met" if met else "missed")
PY
