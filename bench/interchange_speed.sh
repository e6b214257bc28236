#!/usr/bin/env bash
# ugraph's graph6 import and export against nauty's own converter, on the
# connected graphs nauty-geng makes: 11,117 on 8 vertices and 261,080 on 9.
#
#   bench/interchange_speed.sh <ugraph binary>     (runs: UGRAPH_BENCH_RUNS, 10)
#
# For each set, timed side by side in one run with hyperfine (median wall
# time): `ugraph import --from graph6` of geng's lines into data-inputs,
# `ugraph export all --to graph6` of those data-inputs, and `nauty-copyg -s`
# (graph6 to sparse6) of the same lines. Before timing, the export must give
# back geng's lines byte for byte. Prints the ratios against copyg (target:
# at most 2) and the time per graph of the larger set against the smaller
# (linear growth keeps it near 1). Targets are reported, not failed: a shared
# machine is too noisy to judge.
set -euo pipefail
binary=$(realpath "$1")
runs=${UGRAPH_BENCH_RUNS:-10}
for tool in nauty-geng nauty-copyg hyperfine /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "interchange_speed: skipped, $tool is not installed"
        exit 0
    fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

for n in 8 9; do
    nauty-geng -c -q "$n" >"g$n.g6"
    "$binary" import --from graph6 "g$n.g6" >"g$n.txt"
    "$binary" export all --to graph6 -f "g$n.txt" | cmp -s - "g$n.g6" ||
        { echo "FAIL: the export of g$n does not give back geng's lines"; exit 1; }
    hyperfine -N --warmup 2 --runs "$runs" --style none --export-json "t$n.json" \
        -n import "$binary import --from graph6 g$n.g6" \
        -n export "$binary export all --to graph6 -f g$n.txt" \
        -n copyg "nauty-copyg -s -q g$n.g6 g$n.s6" >/dev/null
done

/usr/bin/python3 - <<'PY'
import json
def medians(n):
    return {r["command"]: r["median"] for r in json.load(open(f"t{n}.json"))["results"]}
graphs = {8: sum(1 for _ in open("g8.g6")), 9: sum(1 for _ in open("g9.g6"))}
t = {n: medians(n) for n in (8, 9)}
print(f"{'graphs':>8} {'import ms':>10} {'export ms':>10} {'copyg ms':>9} {'import/copyg':>13} {'export/copyg':>13}")
for n in (8, 9):
    m = t[n]
    print(f"{graphs[n]:>8} {m['import']*1e3:>10.1f} {m['export']*1e3:>10.1f} {m['copyg']*1e3:>9.1f}"
          f" {m['import']/m['copyg']:>13.2f} {m['export']/m['copyg']:>13.2f}")
for what in ("import", "export", "copyg"):
    per8 = t[8][what] / graphs[8]
    per9 = t[9][what] / graphs[9]
    print(f"{what}: {per8*1e9:.0f} ns per graph on 8 vertices, {per9*1e9:.0f} ns on 9 "
          f"(growth {per9/per8:.2f})")
worst = max(t[9]["import"] / t[9]["copyg"], t[9]["export"] / t[9]["copyg"])
print("target (each within 2 times copyg on 261,080 graphs):", "met" if worst <= 2 else "missed")
PY
