#!/usr/bin/env bash
# Graphviz draws every DOT export without a word of complaint: each graph of
# the example data file alone and all of them at once, with every node and
# every link drawn, and graphs whose names DOT could take the wrong way (a
# trailing backslash, Latin-1 bytes, a line end, DOT's own punctuation and
# keywords, no name at all).
#
#   graphviz_dot.sh <ugraph>
set -u
binary=$1
example=$(cd "$(dirname "$0")/../../examples" && pwd)/GraphDataFile2.txt
if ! command -v dot >/dev/null; then
    echo "SKIP: Graphviz's dot is not installed (Debian package graphviz)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# draw <what> <dot file>: dot takes it with status 0 and nothing on
# standard error; the drawing is left in $scratch/drawn.svg.
draw() {
    dot -Tsvg "$2" >"$scratch/drawn.svg" 2>"$scratch/dot.err"
    local status=$?
    if [ "$status" -ne 0 ] || [ -s "$scratch/dot.err" ]; then
        fail "$1: dot -Tsvg gave status $status and: $(head -3 "$scratch/dot.err")"
        return 1
    fi
}

# export_all <data file> <data-inputs it holds>
export_all() {
    "$binary" export all --to dot -f "$1" >"$scratch/all.dot" 2>"$scratch/err"
    local status=$?
    if [ "$status" -ne 0 ] || [ -s "$scratch/err" ]; then
        fail "export all --to dot -f $1 gave status $status and: $(head -3 "$scratch/err")"
    elif draw "export all --to dot -f $1" "$scratch/all.dot"; then
        local drawings
        drawings=$(grep -c '<svg' "$scratch/drawn.svg")
        [ "$drawings" -eq "$2" ] || fail "export all --to dot -f $1: dot drew $drawings graphs, not $2"
    fi
}

# The example, graph by graph: as many nodes and links drawn as list counts.
"$binary" list -f "$example" >"$scratch/listed"
while read -r number name nodes _ links _; do
    what="export $number --to dot of the example ($name)"
    if ! "$binary" export "$number" --to dot -f "$example" >"$scratch/one.dot" 2>"$scratch/err" ||
        [ -s "$scratch/err" ]; then
        fail "$what failed: $(head -3 "$scratch/err")"
        continue
    fi
    draw "$what" "$scratch/one.dot" || continue
    drawn_nodes=$(grep -c 'class="node"' "$scratch/drawn.svg")
    drawn_links=$(grep -c 'class="edge"' "$scratch/drawn.svg")
    [ "$drawn_nodes" -eq "$nodes" ] && [ "$drawn_links" -eq "$links" ] ||
        fail "$what: dot drew $drawn_nodes nodes and $drawn_links links, not $nodes and $links"
done <"$scratch/listed"
[ "$(wc -l <"$scratch/listed")" -eq 3 ] || fail "list of the example gave: $(cat "$scratch/listed")"
export_all "$example" 3
titles=$(sed -n 's|^<title>\(.*\)</title>$|\1|p' "$scratch/drawn.svg" | grep -v '^[0-9&]' | tr '\n' ' ')
[ "$titles" = "Path Cycle6 TwoDigits " ] || fail "export all --to dot: dot names the graphs: $titles"

# Names as the data file may hold them. The first one is Latin-1, which
# must reach Graphviz as UTF-8: its drawing is titled in UTF-8 then.
printf '%s\n' '[U "caf'$'\xe9''", (1),2, (2)]' \
    '[U "ends in \", (1),1,2, (2)]' \
    '[U "", (1)]' \
    '[U "new'$'\n''# line", (1),2, (2)]' \
    '[U "graph", (1),2, (2)]' \
    '[U "x -- y; {z} a'$'\t''b", (1),3, (2), (3)]' \
    '[U "Ünï", (1),2, (2)]' >"$scratch/names.txt"
export_all "$scratch/names.txt" 7
grep -q '^<title>café</title>$' "$scratch/drawn.svg" ||
    fail "the Latin-1 name café is not drawn as UTF-8: $(grep -a -m1 '^<title>caf' "$scratch/drawn.svg")"
exit "$failed"
