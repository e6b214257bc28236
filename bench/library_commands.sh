#!/usr/bin/env bash
# The library commands themselves on a large data file, beside a plain copy
# of it: `ugraph edit N --link`, `delete N`, `rename N` and `move 1 N` of the
# middle data-input of a 200 MB library (CR LF lines of data-inputs, a
# free-text line every tenth), each with its lock, backup, temporary file,
# sync and rename, then the same edit on a one-line file.
#
#   bash bench/library_commands.sh build/default/ugraph [MB]
#
# Prints for each the wall time, the processor time (user and system) and the
# peak memory (/usr/bin/time), each the best of three. Every edit works on a
# fresh copy of the library, made before its timing starts.
set -euo pipefail
ugraph=$(realpath "$1")
megabytes=${2:-200}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ugraph-library-commands.XXXXXX")
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
        cp "$library" "$scratch/work.txt"
        rm -f "$scratch/work.txt.bak"
        /usr/bin/time -f '%e %U %S %M' -o "$scratch/time" "$@" >/dev/null
        read -r t user system kb <"$scratch/time"
        cpu=$(awk "BEGIN{print $user + $system}")
        if [ -z "$best_time" ] || awk "BEGIN{exit !($t < $best_time)}"; then best_time=$t; fi
        if [ -z "$best_cpu" ] || awk "BEGIN{exit !($cpu < $best_cpu)}"; then best_cpu=$cpu; fi
        if [ -z "$best_kb" ] || [ "$kb" -lt "$best_kb" ]; then best_kb=$kb; fi
    done
    printf '%-28s wall %6ss  cpu %6ss  peak %8s kB\n' "$label" "$best_time" "$best_cpu" "$best_kb"
}
work=$scratch/work.txt
label="cp" best cp "$library" "$scratch/copy.txt"
label="edit $middle --link 1-5" best "$ugraph" edit "$middle" --link 1-5 -f "$work"
label="delete $middle" best "$ugraph" delete "$middle" -f "$work"
label="rename $middle" best "$ugraph" rename "$middle" other -f "$work"
label="move 1 $count" best "$ugraph" move 1 "$count" -f "$work"
printf '[U "one", (1),2, (2)]\n' >"$scratch/one.txt"
label="edit 1 of a one-line file" best "$ugraph" edit 1 --link 1-3 -f "$scratch/one.txt"
