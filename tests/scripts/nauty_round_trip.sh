#!/usr/bin/env bash
# graph6 and sparse6 as nauty itself writes and reads them. Every graph of
# six vertices from geng becomes a data-input and comes back as geng's own
# line; its sparse6 is the line copyg writes, checks6 finds nothing wrong
# with it, and copyg turns it back into geng's graph6. Random graphs of 4, 8,
# 16 and 32 vertices, many with only the last vertex alone, add the sparse6
# ending nauty pads with a 0 first when the vertex count is a power of two
# (a plain padding of 1s would read as a self-loop there). convert turns
# geng's graphs of seven vertices into copyg's sparse6 and back.
#
#   nauty_round_trip.sh <ugraph>
set -u
binary=$1
source "$(dirname "$0")/lib/require_programs.bash"
require_programs nauty-geng nauty-genrang nauty-copyg nauty-checks6  # Debian's nauty
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

nauty-geng -q 6 >"$scratch/six.g6"
for n in 4 8 16 32; do
    nauty-genrang -g -S7 -e$((n / 2)) "$n" 40
done >"$scratch/powers.g6" 2>/dev/null

# round_trip <set>: $scratch/<set>.g6 through data-inputs and back.
round_trip() {
    local set=$1 graphs
    local g6=$scratch/$set.g6 data=$scratch/$set.txt
    graphs=$(wc -l <"$g6")
    "$binary" import --from graph6 "$g6" >"$data" 2>"$scratch/err"
    status=$?
    if [ "$status" -ne 0 ] || [ -s "$scratch/err" ] || [ "$(wc -l <"$data")" -ne "$graphs" ]; then
        fail "$set: import of $graphs graph6 lines gave status $status, $(wc -l <"$data") data-inputs, and: $(head -3 "$scratch/err")"
        return
    fi

    "$binary" export all --to graph6 -f "$data" >"$scratch/back.g6" 2>"$scratch/err"
    status=$?
    if [ "$status" -ne 0 ] || [ -s "$scratch/err" ]; then
        fail "$set: export all --to graph6 gave status $status and: $(head -3 "$scratch/err")"
    elif ! cmp -s "$g6" "$scratch/back.g6"; then
        fail "$set: graph6 lines changed on the way through data-inputs:"
        diff "$g6" "$scratch/back.g6" | head -6
    fi

    "$binary" export all --to sparse6 -f "$data" >"$scratch/ours.s6" 2>"$scratch/err"
    status=$?
    if [ "$status" -ne 0 ] || [ -s "$scratch/err" ]; then
        fail "$set: export all --to sparse6 gave status $status and: $(head -3 "$scratch/err")"
        return
    fi
    nauty-copyg -s -q "$g6" >"$scratch/nauty.s6"
    if ! cmp -s "$scratch/nauty.s6" "$scratch/ours.s6"; then
        fail "$set: sparse6 is not the line copyg writes (copyg first):"
        diff "$scratch/nauty.s6" "$scratch/ours.s6" | head -6
    fi
    # checks6 always ends with status 0; its verdict is the summary it
    # writes on standard error.
    local verdict
    verdict=$(nauty-checks6 "$scratch/ours.s6" 2>&1 >/dev/null)
    [ "$verdict" = ">Z  $graphs graphs read; NO PROBLEMS" ] ||
        fail "$set: checks6 on the sparse6 export says: $verdict"
    nauty-copyg -g -q "$scratch/ours.s6" >"$scratch/again.g6"
    if ! cmp -s "$g6" "$scratch/again.g6"; then
        fail "$set: copyg -g does not turn the sparse6 export back into the graph6 lines:"
        diff "$g6" "$scratch/again.g6" | head -6
    fi
}

# convert, without a data file between: geng's graphs of seven vertices
# become the sparse6 lines copyg writes, and come back as geng's lines.
nauty-geng -q 7 >"$scratch/seven.g6"
nauty-copyg -s -q "$scratch/seven.g6" >"$scratch/seven_nauty.s6"
"$binary" convert --from graph6 --to sparse6 <"$scratch/seven.g6" >"$scratch/seven.s6" 2>"$scratch/err" ||
    fail "convert --from graph6 --to sparse6 of geng 7 gave status $? and: $(head -3 "$scratch/err")"
cmp -s "$scratch/seven_nauty.s6" "$scratch/seven.s6" ||
    fail "convert --from graph6 --to sparse6 of geng 7 is not what copyg -s writes"
"$binary" convert --from sparse6 --to graph6 "$scratch/seven.s6" -o "$scratch/seven_back.g6" &&
    cmp -s "$scratch/seven.g6" "$scratch/seven_back.g6" ||
    fail "convert --from sparse6 --to graph6 does not give geng's lines back"

[ "$(wc -l <"$scratch/six.g6")" -eq 156 ] || fail "geng -q 6 gave $(wc -l <"$scratch/six.g6") graphs, not 156"
round_trip six
round_trip powers
exit "$failed"
