#!/usr/bin/env bash
# The memory and time of an edit of one data-input in a 200 MB library
# beside a plain copy of the same file:
#
#   bash bench/edit_stream.sh build/bench/bench/ugraph_edit_stream [MB]
#
# The library is CR LF lines of data-inputs (a free-text line every tenth),
# made in a scratch folder under TMPDIR. For each edit (replace the middle
# one, delete it, rename it, move the first to the last) and for `cp` it
# prints the wall time, the processor time (user and system) and the peak
# memory (/usr/bin/time), each the best of three, and last the same replace
# on a one-line file. On a shared machine the processor time is the steadier
# figure. The replace reads the library twice, as an edit does: for its
# fingerprint on loading, then for the edit itself.
set -euo pipefail
tool=$(realpath "$1")
megabytes=${2:-200}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ugraph-edit-stream.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
library=$scratch/library.txt
python3 - "$library" "$megabytes" <<'PY'
import sys
path, megabytes = sys.argv[1], int(sys.argv[2])
line = '[U "graph", (1),2,3,4, (2),3,4, (3),4, (4),5, (5)]\r\n'
with open(path, 'w', newline='') as out:
    written = k = 0
    while written < megabytes * 1_000_000:
        text = line if k % 10 else 'free text about the next graphs\r\n'
        out.write(text)
        written += len(text)
        k += 1
PY
count=$(grep -c '^\[' "$library")
middle=$((count / 2))
echo "library: $(stat -c %s "$library") bytes, $count data-inputs"
best() {
    local best_time="" best_cpu="" best_kb=""
    for _ in 1 2 3; do
        /usr/bin/time -f '%e %U %S %M' -o "$scratch/time" "$@" >/dev/null
        read -r t user system kb <"$scratch/time"
        cpu=$(awk "BEGIN{print $user + $system}")
        if [ -z "$best_time" ] || awk "BEGIN{exit !($t < $best_time)}"; then best_time=$t; fi
        if [ -z "$best_cpu" ] || awk "BEGIN{exit !($cpu < $best_cpu)}"; then best_cpu=$cpu; fi
        if [ -z "$best_kb" ] || [ "$kb" -lt "$best_kb" ]; then best_kb=$kb; fi
    done
    printf '%-28s wall %6ss  cpu %6ss  peak %8s kB\n' "$label" "$best_time" "$best_cpu" "$best_kb"
}
label="cp" best cp "$library" "$scratch/copy.txt"
label="replace $middle" best "$tool" replace "$library" "$scratch/new.txt" "$middle"
label="delete $middle" best "$tool" delete "$library" "$scratch/new.txt" "$middle"
label="rename $middle" best "$tool" rename "$library" "$scratch/new.txt" "$middle"
label="move 1 $count" best "$tool" move "$library" "$scratch/new.txt" 1 "$count"
printf '[U "one", (1),2]' >"$scratch/one.txt"
label="replace 1 (one-line file)" best "$tool" replace "$scratch/one.txt" "$scratch/new.txt" 1
