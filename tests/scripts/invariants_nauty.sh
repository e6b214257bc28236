#!/usr/bin/env bash
# info, classes, find and --where held against nauty's own programs. Every
# graph of seven vertices from geng, followed by three random relabellings
# of them all (ranlabg -S), falls into geng's 1044 classes of four: graph k
# with k + 1044, k + 2088 and k + 3132, from an input and from a data file.
# find finds relabelled queries at their four numbers and nothing for a
# graph not there; --where girth=5..,max_degree=..3 keeps what pickg
# -g5: -D:3 keeps, in the same order; info's canonical line is labelg's and
# its planar graphs are planarg's.
#
#   invariants_nauty.sh <ugraph>
set -u
binary=$1
source "$(dirname "$0")/lib/require_programs.bash"
require_programs nauty-geng nauty-ranlabg nauty-pickg nauty-labelg nauty-planarg  # Debian's nauty
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

nauty-geng -q 7 >"$scratch/seven.g6"
{
    cat "$scratch/seven.g6"
    for seed in 1 2 3; do nauty-ranlabg -q -S"$seed" "$scratch/seven.g6"; done
} >"$scratch/mixed.g6"
count=$(wc -l <"$scratch/seven.g6")
[ "$count" -eq 1044 ] || fail "geng -q 7 gave $count graphs, not 1044"
awk -v n="$count" 'NR <= n { print NR, NR + n, NR + 2 * n, NR + 3 * n }' \
    "$scratch/seven.g6" >"$scratch/classes.want"

# classes: the same from the input and from the data file it makes.
"$binary" classes --from graph6 "$scratch/mixed.g6" >"$scratch/classes.got" 2>"$scratch/err" ||
    fail "classes --from graph6 gave status $? and: $(head -3 "$scratch/err")"
cmp -s "$scratch/classes.want" "$scratch/classes.got" ||
    fail "classes --from graph6 is not geng's 1044 classes of four: $(diff "$scratch/classes.want" "$scratch/classes.got" | head -4)"
"$binary" import --from graph6 "$scratch/mixed.g6" >"$scratch/mixed.txt" 2>"$scratch/err" ||
    fail "import of the mixed graphs gave status $? and: $(head -3 "$scratch/err")"
"$binary" classes --duplicates -f "$scratch/mixed.txt" >"$scratch/data.got" 2>"$scratch/err" ||
    fail "classes -f gave status $? and: $(head -3 "$scratch/err")"
cmp -s "$scratch/classes.want" "$scratch/data.got" ||
    fail "classes --duplicates -f is not geng's 1044 classes of four"
# delete --duplicates keeps the first of each class: geng's own 1044 lines.
cp "$scratch/mixed.txt" "$scratch/kept.txt"
"$binary" delete --duplicates -f "$scratch/kept.txt" 2>"$scratch/err" ||
    fail "delete --duplicates gave status $? and: $(head -3 "$scratch/err")"
[ "$(cat "$scratch/err")" = "ugraph: 3132 duplicates deleted from $scratch/kept.txt" ] ||
    fail "delete --duplicates told: $(head -3 "$scratch/err")"
head -n 1044 "$scratch/mixed.txt" | cmp -s - "$scratch/kept.txt" ||
    fail "delete --duplicates did not leave geng's 1044 data-inputs, first of each class"

# find: relabelled queries, then a graph of eight vertices the file lacks.
{
    nauty-ranlabg -q -S9 "$scratch/seven.g6" | sed -n '1p;500p;1044p'
    echo 'G?????'
} >"$scratch/queries.g6"
sed -n '1p;500p;1044p' "$scratch/classes.want" >"$scratch/found.want"
echo >>"$scratch/found.want"
"$binary" find -f "$scratch/mixed.txt" --from graph6 "$scratch/queries.g6" >"$scratch/found.got"
status=$?
[ "$status" -eq 1 ] || fail "find with a query not there gave status $status, not 1"
cmp -s "$scratch/found.want" "$scratch/found.got" ||
    fail "find did not give the queries' four numbers and an empty line: $(head -4 "$scratch/found.got")"
sed -n '1,3p' "$scratch/queries.g6" | "$binary" find -f "$scratch/mixed.txt" --from graph6 >/dev/null ||
    fail "find of queries that are all there gave status $?, not 0"

# --where against pickg's constraints, on convert and on export from the data file.
nauty-pickg -q -g5: -D:3 "$scratch/seven.g6" >"$scratch/picked.want"
"$binary" convert --from graph6 --to graph6 --where girth=5..,max_degree=..3 \
    "$scratch/seven.g6" >"$scratch/picked.got" 2>"$scratch/err" ||
    fail "convert --where gave status $? and: $(head -3 "$scratch/err")"
cmp -s "$scratch/picked.want" "$scratch/picked.got" ||
    fail "convert --where girth=5..,max_degree=..3 does not keep what pickg -g5: -D:3 keeps"
nauty-pickg -q -cc1 -e8:10 "$scratch/seven.g6" >"$scratch/picked.want"
"$binary" import --from graph6 "$scratch/seven.g6" >"$scratch/seven.txt"
"$binary" export all --to graph6 --where components=1,links=8..10 -f "$scratch/seven.txt" \
    >"$scratch/picked.got" 2>"$scratch/err" ||
    fail "export all --where gave status $? and: $(head -3 "$scratch/err")"
cmp -s "$scratch/picked.want" "$scratch/picked.got" ||
    fail "export all --where components=1,links=8..10 does not keep what pickg -cc1 -e8:10 keeps"

# info: the canonical line is labelg's, the planar graphs planarg's.
"$binary" info --from graph6 --format tsv "$scratch/seven.g6" >"$scratch/info.tsv" 2>"$scratch/err" ||
    fail "info --from graph6 gave status $? and: $(head -3 "$scratch/err")"
[ "$(head -1 "$scratch/info.tsv" | cut -f 23)" = canonical ] ||
    fail "info's 23rd column is not canonical: $(head -1 "$scratch/info.tsv")"
nauty-labelg -q "$scratch/seven.g6" >"$scratch/canonical.want"
tail -n +2 "$scratch/info.tsv" | cut -f 23 >"$scratch/canonical.got"
cmp -s "$scratch/canonical.want" "$scratch/canonical.got" ||
    fail "info's canonical lines are not labelg's"
nauty-planarg -q "$scratch/seven.g6" >"$scratch/planar.want"
"$binary" convert --from graph6 --to graph6 --where planar "$scratch/seven.g6" >"$scratch/planar.got"
cmp -s "$scratch/planar.want" "$scratch/planar.got" ||
    fail "--where planar does not keep planarg's graphs"

# An output that fails is told once, as every command tells it; a reader
# that goes away ends the run quietly.
"$binary" info --from graph6 --format jsonl "$scratch/mixed.g6" 2>"$scratch/err" | head -1 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" -eq 141 ] && [ ! -s "$scratch/err" ] ||
    fail "info into a pipe closed early gave status $status and: $(head -3 "$scratch/err")"
if [ -w /dev/full ]; then
    "$binary" classes --from graph6 "$scratch/seven.g6" >/dev/full 2>"$scratch/err"
    status=$?
    [ "$status" -eq 2 ] && [ "$(wc -l <"$scratch/err")" -eq 1 ] &&
        grep -q '^ugraph: cannot write to standard output (' "$scratch/err" ||
        fail "classes into /dev/full gave status $status and: $(head -3 "$scratch/err")"
fi

[ "$failed" -eq 0 ] && echo "invariants against nauty passed: 1044 classes of four, find, --where, canonical and planar"
exit "$failed"
