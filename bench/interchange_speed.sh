#!/usr/bin/env bash
# ugraph's graph6 import and export against nauty's own converter, on the
# 261,080 connected graphs on 9 vertices that `nauty-geng -c -q 9` makes.
#
#   bench/interchange_speed.sh <ugraph binary>     (runs: UGRAPH_BENCH_RUNS, 5)
#
# Timed side by side in one hyperfine run, each command the same number of
# times, the best (shortest) wall time of each kept:
#   import   ugraph import --from graph6 g9.g6                  (data-inputs)
#   export   ugraph export all --to graph6 -f g9.txt            (graph6)
#   convert  ugraph convert --from graph6 --to sparse6 g9.g6    (sparse6)
#   copyg    nauty-copyg -s -q g9.g6 g9.s6                      (sparse6)
# and counted in instructions by valgrind --tool=callgrind (skipped when
# valgrind is missing or UGRAPH_BENCH_CALLGRIND=0), which the machine's load
# does not change. Before timing, the export must give back geng's lines and
# the conversion copyg's, byte for byte. Peak memory (/usr/bin/time) of the
# three is compared with the same command on the first graph alone. Prints
# both ratios against copyg and the targets: at most 0.5x its instructions,
# at most 0.7x its time, each peak within 2 MB (2048 kB) of its one-graph
# run. Targets are reported, not failed: a shared machine is too noisy to
# judge.
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

nauty-copyg -s -q g9.g6 g9.s6
"$binary" convert --from graph6 --to sparse6 g9.g6 | cmp -s - g9.s6 ||
    { echo "FAIL: the conversion of g9 does not give copyg's lines"; exit 1; }

import="$binary import --from graph6"
export="$binary export all --to graph6 -f"
convert="$binary convert --from graph6 --to sparse6"
hyperfine -N --warmup 1 --runs "$runs" --style none --export-json times.json \
    -n import "$import g9.g6" \
    -n export "$export g9.txt" \
    -n convert "$convert g9.g6" \
    -n copyg "nauty-copyg -s -q g9.g6 g9.s6" >/dev/null

instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
: >counts.txt
if [ "${UGRAPH_BENCH_CALLGRIND:-1}" != 0 ] && command -v valgrind >/dev/null; then
    {
        echo "import $(instructions $import g9.g6)"
        echo "export $(instructions $export g9.txt)"
        echo "convert $(instructions $convert g9.g6)"
        echo "copyg $(instructions nauty-copyg -s -q g9.g6 g9.s6)"
    } >counts.txt
fi

peak_kB() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
cat >peaks.txt <<EOF
import $(peak_kB $import g9.g6) $(peak_kB $import one.g6)
export $(peak_kB $export g9.txt) $(peak_kB $export one.txt)
convert $(peak_kB $convert g9.g6) $(peak_kB $convert one.g6)
EOF

echo "interchange_speed: $(wc -l <g9.g6) graphs of nauty-geng -c -q 9, best of $runs runs"
/usr/bin/python3 - <<'PY'
import json
best = {r["command"]: r["min"] for r in json.load(open("times.json"))["results"]}
counts = dict(line.split() for line in open("counts.txt"))
met = True
print(f"{'command':>8} {'best ms':>8} {'/ copyg':>8} {'instructions':>14} {'/ copyg':>8}")
for what in ("import", "export", "convert", "copyg"):
    ratio = best[what] / best["copyg"]
    met = met and (what == "copyg" or ratio <= 0.7)
    line = f"{what:>8} {best[what] * 1e3:>8.1f} {ratio:>8.2f}"
    if counts:
        share = int(counts[what]) / int(counts["copyg"])
        met = met and (what == "copyg" or share <= 0.5)
        line += f" {int(counts[what]):>14,} {share:>8.2f}"
    print(line)
print(f"{'command':>8} {'peak kB':>8} {'one graph':>10} {'growth':>7}")
for line in open("peaks.txt"):
    what, peak, one = line.split()
    growth = int(peak) - int(one)
    met = met and growth <= 2048
    print(f"{what:>8} {peak:>8} {one:>10} {growth:>7}")
print("targets (each at most 0.5x copyg's instructions and 0.7x its time,",
      "each peak within 2048 kB of one graph):", "met" if met else "missed")
PY
