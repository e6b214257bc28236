#!/usr/bin/env bash
# The example data file keeps working: each of its graphs loads with the
# summary line it promises, and `list` finds every one of them loadable.
#
#   examples_load.sh <ugraph>
set -u
binary=$1
example=$(cd "$(dirname "$0")/../../examples" && pwd)/GraphDataFile2.txt
source "$(dirname "$0")/lib/console_line_ends.bash"
failed=0
expect() {  # <number to answer> <line that must be printed>
    local work
    work=$(mktemp -d)
    cp "$example" "$work/GraphDataFile2.txt"
    if ! (cd "$work" && printf 'F\n%s\nN\n\n\n' "$1" | timeout 10 "$binary") | console_to_lf |
        grep -qxF "$2"; then
        echo "FAIL: answer $1 did not print: $2"
        failed=1
    fi
    rm -rf "$work"
}
expect 1 'Ufile Path     4 Nodes   3 Links'
expect 2 'Ufile Cycle6     6 Nodes   6 Links'
expect 3 'Ufile TwoDigits     20 Nodes   4 Links'
listed=$("$binary" list -f "$example")
status=$?
expected='1  "Path"  4 nodes  3 links
2  "Cycle6"  6 nodes  6 links
3  "TwoDigits"  20 nodes  4 links'
if [ "$status" -ne 0 ] || [ "$listed" != "$expected" ]; then
    echo "FAIL: list gave status $status and:"
    echo "$listed"
    failed=1
fi
exit "$failed"
