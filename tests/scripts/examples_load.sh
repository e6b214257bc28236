#!/usr/bin/env bash
# The example data file keeps working: each of its graphs loads with the
# summary line it promises, and its data-input of another kind is refused.
#
#   examples_load.sh <ugraph>
set -u
binary=$1
example=$(cd "$(dirname "$0")/../../examples" && pwd)/GraphDataFile2.txt
failed=0
expect() {  # <number to answer> <line that must be printed>
    local work
    work=$(mktemp -d)
    cp "$example" "$work/GraphDataFile2.txt"
    if ! (cd "$work" && printf 'F\n%s\nN\n\n\n' "$1" | timeout 10 "$binary") | grep -qxF "$2"; then
        echo "FAIL: answer $1 did not print: $2"
        failed=1
    fi
    rm -rf "$work"
}
expect 1 'Ufile Path     4 Nodes   3 Links'
expect 2 'Ufile Cycle6     6 Nodes   6 Links'
expect 3 'Ufile TwoDigits     20 Nodes   4 Links'
expect 4 "Input-array in file not marked 'U' (after '[') for Ugraph"
exit "$failed"
