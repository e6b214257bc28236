#!/usr/bin/env bash
# The start-up of ugraph in instructions, beside a hello-world C++ program
# built by the same compiler with -O2: `ugraph --version`, `ugraph list` of a
# one-line data file, and the dialogue up to its first question (standard
# input not a terminal: it ends there). Instructions are counted by
# callgrind, so the load of the machine does not move them; the ratios are
# printed against the 1.2 target, which is reported, not failed.
#
#   bench/startup.sh <ugraph> [compiler]
#
# The compiler defaults to the one CMake cached for the build tree of
# <ugraph>, else c++.
set -u
ugraph=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
compiler=${2:-}
if [ -z "$compiler" ]; then
    compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$(dirname "$ugraph")/CMakeCache.txt" \
        2>/dev/null)
fi
compiler=${compiler:-c++}
command -v valgrind >/dev/null || { echo "valgrind is missing"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

printf '#include <iostream>\nint main() { std::cout << "hello\\n"; }\n' >"$scratch/h.cpp"
"$compiler" -O2 "$scratch/h.cpp" -o "$scratch/h" || { echo "cannot build hello"; exit 1; }
printf '[U "p", (1),2, (2)]\n' >"$scratch/one.txt"

# Instructions of one run, its input from the file given.
instructions() {
    local input=$1
    shift
    (cd "$scratch" && valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" \
        <"$input" 2>&1 >/dev/null | sed -n 's/.*Collected : //p')
}

hello=$(instructions /dev/null "$scratch/h")
echo "hello world: $hello instructions ($compiler -O2)"
status=0
report() {
    local what=$1 count=$2
    local ratio
    ratio=$(awk -v a="$count" -v b="$hello" 'BEGIN { printf "%.2f", a / b }')
    local verdict=met
    awk -v r="$ratio" 'BEGIN { exit !(r > 1.2) }' && verdict="missed" && status=1
    printf '%-28s %10s instructions  %5sx  (target 1.2x: %s)\n' "$what" "$count" "$ratio" \
        "$verdict"
}
report "ugraph --version" "$(instructions /dev/null "$ugraph" --version)"
report "ugraph list -f ONE_LINE" "$(instructions /dev/null "$ugraph" list -f one.txt)"
report "dialogue to first question" "$(instructions /dev/null "$ugraph")"
[ "$status" -eq 0 ] || echo "a ratio is above its target (reported, not failed)"
exit 0
