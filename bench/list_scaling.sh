#!/usr/bin/env bash
# `ugraph list` on data files of 10,000 and 100,000 data-inputs: one pass
# over the file, so its time grows linearly with the file and its peak memory
# does not grow at all.
#
#   bench/list_scaling.sh <ugraph binary>     (runs: UGRAPH_BENCH_RUNS, 10)
#
# Prints the median time (hyperfine) and the peak resident memory
# (/usr/bin/time) of each, the time per data-input and the growth of both.
set -euo pipefail
binary=$(realpath "$1")
runs=${UGRAPH_BENCH_RUNS:-10}
for tool in hyperfine /usr/bin/time /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "list_scaling: skipped, $tool is not installed"
        exit 0
    fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

# Data-inputs of 2 to 50 nodes and up to 40 links, with free text between
# some of them, drawn with a fixed seed.
/usr/bin/python3 - <<'PY'
import random
random.seed(1249)
def data_input(k):
    n = random.randint(2, 50)
    links = {tuple(sorted(random.sample(range(1, n + 1), 2))) for _ in range(random.randint(1, 40))}
    groups = "".join(f", ({a}),{b}" for a, b in sorted(links))
    return f'[U "g{k}"{groups}, ({n})]\n' + ("free text\n" if k % 7 == 0 else "")
with open("d100000.txt", "w") as big, open("d10000.txt", "w") as small:
    for k in range(1, 100001):
        text = data_input(k)
        big.write(text)
        if k <= 10000:
            small.write(text)
PY
for count in 10000 100000; do
    lines=$("$binary" list -f "d$count.txt" | wc -l)
    [ "$lines" -eq "$count" ] || { echo "FAIL: list gave $lines lines for $count data-inputs"; exit 1; }
    /usr/bin/time -f %M -o "m$count" "$binary" list -f "d$count.txt" >/dev/null
done
hyperfine -N --warmup 2 --runs "$runs" --style none --export-json t.json \
    -n 10000 "$binary list -f d10000.txt" -n 100000 "$binary list -f d100000.txt" >/dev/null

/usr/bin/python3 - <<'PY'
import json, os
t = {r["command"]: r["median"] for r in json.load(open("t.json"))["results"]}
m = {c: int(open(f"m{c}").read().split()[-1]) for c in ("10000", "100000")}
for c in ("10000", "100000"):
    size = os.path.getsize(f"d{c}.txt") / 1e6
    print(f"{c:>7} data-inputs ({size:.1f} MB): {t[c]*1e3:8.1f} ms, "
          f"{t[c]/int(c)*1e9:6.0f} ns each, peak {m[c]} kB")
print(f"time growth for 10 times the data-inputs: {t['100000']/t['10000']:.2f}; "
      f"peak memory difference: {m['100000'] - m['10000']} kB")
PY
