#!/usr/bin/env bash
# What import writes is a data file ugraph itself reads: the data-inputs
# printed are listed, the graphs too big for a Ugraph are refused alone with
# their line and reason while the graphs around them still arrive, and
# --append adds geng's graphs to a data file of other data-inputs and free
# text, keeping all of it and the previous content as the backup.
#
#   import_data_inputs.sh <ugraph>
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
example=$(cd "$(dirname "$0")/../../examples" && pwd)/GraphDataFile2.txt
source "$(dirname "$0")/lib/require_programs.bash"
require_programs nauty-geng nauty-genrang  # Debian's nauty
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Printed data-inputs load: one graph from standard input, and all of geng's
# graphs of six vertices, whose links add up to 156 * 15 / 2, since each
# graph's complement is among them.
printf 'D?{\n' | "$binary" import --from graph6 --name p >p.txt
listed=$("$binary" list -f p.txt)
status=$?
[ "$status" -eq 0 ] && [ "$listed" = '1  "p"  5 nodes  4 links' ] ||
    fail "list of the imported D?{ gave status $status and: $listed"
nauty-geng -q 6 | "$binary" import --from graph6 >six.txt
"$binary" list -f six.txt >six.list
status=$?
summary=$(awk '$4 == "nodes" && $3 == 6 { graphs++; links += $5 } END { print graphs + 0, links + 0 }' six.list)
[ "$status" -eq 0 ] && [ "$summary" = "156 1170" ] && [ "$(wc -l <six.list)" -eq 156 ] ||
    fail "list of geng's 156 imported graphs gave status $status; graphs of 6 nodes and links: $summary"

# graph6: a line of 51 vertices between lines that fit, 50 vertices among
# them. The refused graph keeps its number, so the others keep theirs.
{
    nauty-geng -q 4 | head -3
    nauty-genrang -g -S3 -P1/10 51 1
    nauty-genrang -g -S3 -P1/10 50 1
    nauty-geng -q 4 | tail -2
} >mixed.g6 2>/dev/null
"$binary" import --from graph6 mixed.g6 >mixed.txt 2>mixed.err
status=$?
sed 4d mixed.g6 >fitting.g6
"$binary" export all --to graph6 -f mixed.txt >back.g6
[ "$status" -eq 1 ] || fail "a graph6 line of 51 vertices gave status $status, not 1"
[ "$(wc -l <mixed.err)" -eq 1 ] && grep -q '^ugraph: line 4 of mixed.g6: .*51 vertices' mixed.err ||
    fail "a graph6 line of 51 vertices was told as: $(cat mixed.err)"
cmp -s fitting.g6 back.g6 || fail "the graph6 lines around the refused one did not all arrive: $(cat mixed.txt)"
[ "$(cut -d'"' -f2 mixed.txt | tr '\n' ' ')" = "mixed1 mixed2 mixed3 mixed5 mixed6 mixed7 " ] ||
    fail "the graphs around a refused one are named: $(cut -d'"' -f2 mixed.txt | tr '\n' ' ')"

# Edge lists: 625 links is one too many; 624 fit, even when each is given
# again the other way round.
awk 'BEGIN { for (a = 1; a <= 50; a++) for (b = a + 1; b <= 50 && n < 625; b++) { print a, b; n++ } }' >links625.txt
head -624 links625.txt >links624.txt
awk '{ print; print $2, $1 }' links624.txt >twice.txt
"$binary" import --from edgelist links625.txt >refused.txt 2>refused.err
status=$?
[ "$status" -eq 1 ] && [ ! -s refused.txt ] || fail "an edge list of 625 links gave status $status and: $(cat refused.txt)"
[ "$(wc -l <refused.err)" -eq 1 ] && grep -q '^ugraph: line 625 of links625.txt: .*624' refused.err ||
    fail "an edge list of 625 links was told as: $(cat refused.err)"
for list in links624 twice; do
    "$binary" import --from edgelist $list.txt >$list.data 2>$list.err
    status=$?
    listed=$("$binary" list -f $list.data)
    [ "$status" -eq 0 ] && [ ! -s $list.err ] && [ "$listed" = "1  \"$list\"  50 nodes  624 links" ] ||
        fail "$list.txt gave status $status, $(cat $list.err) and: $listed"
done

# --append onto the example, whose free text and data-inputs stay as they
# are; then again, from a file, onto a data file that ends in a Ctrl-Z,
# behind which nothing is read.
cp "$example" GraphDataFile2.txt
before=$("$binary" list)
before_g6=$("$binary" export all --to graph6)
nauty-geng -q 5 >five.g6
"$binary" import --from graph6 --name five --append <five.g6 >out.txt 2>err.txt
status=$?
[ "$status" -eq 0 ] && [ ! -s out.txt ] && [ ! -s err.txt ] ||
    fail "import --append gave status $status, stdout: $(cat out.txt) stderr: $(cat err.txt)"
cmp -s "$example" GraphDataFile2.txt.bak || fail "the backup is not the data file's previous content"
cmp -s -n "$(wc -c <"$example")" "$example" GraphDataFile2.txt ||
    fail "the data file's previous content did not stay at its start"
[ "$("$binary" list | head -3)" = "$before" ] && [ "$("$binary" list | wc -l)" -eq 37 ] ||
    fail "list after import --append shows: $("$binary" list)"
[ "$("$binary" export all --to graph6)" = "$before_g6"$'\n'"$(cat five.g6)" ] ||
    fail "export all --to graph6 after import --append does not give the old graphs and then geng's"

printf '\032[U "Hidden", (1),2]\n' >>GraphDataFile2.txt
cp GraphDataFile2.txt previous.txt
nauty-geng -q 3 >three.g6
"$binary" import --from graph6 three.g6 --append -f GraphDataFile2.txt 2>err.txt
status=$?
[ "$status" -eq 0 ] || fail "a second import --append gave status $status and: $(cat err.txt)"
cmp -s previous.txt GraphDataFile2.txt.bak || fail "the second backup is not the content the first append left"
[ "$("$binary" list | tail -4 | cut -d'"' -f2 | tr '\n' ' ')" = "three1 three2 three3 three4 " ] &&
    [ "$("$binary" list | wc -l)" -eq 41 ] ||
    fail "graphs appended to a data file ending in a Ctrl-Z are not all listed: $("$binary" list | tail -5)"
exit "$failed"
