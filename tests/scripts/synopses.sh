#!/usr/bin/env bash
# Every command's synopsis, as its help prints it from the command table, is
# the one the README's list of commands and the manual's SYNOPSIS give.
#
#   synopses.sh <ugraph>
set -u
ugraph=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
failed=0
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The manual's SYNOPSIS, rendered wide enough for one line each.
if command -v groff >/dev/null; then
    groff -man -Tutf8 -rLL=300n "$root/man/ugraph.1" 2>/dev/null | sed 's/.\x08//g' |
        sed -n '/^SYNOPSIS/,/^DESCRIPTION/p' | sed 's/^ *//' >"$scratch/synopsis.txt"
else
    echo "groff is missing: the manual's synopsis is not compared"
fi

commands=$("$ugraph" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "ugraph --help lists no command"
for command in $commands; do
    usage=$("$ugraph" "$command" --help | sed -n 's/^Usage: //p')
    [ -n "$usage" ] || { fail "ugraph $command --help has no usage line"; continue; }
    grep -qF -- "    $usage" "$root/README.md" ||
        fail "the README does not give '$usage'"
    if [ -s "$scratch/synopsis.txt" ]; then
        # groff may render the ASCII '-' and '|' as they are typed; compare as typed.
        grep -qxF -- "$usage" "$scratch/synopsis.txt" ||
            fail "the manual's SYNOPSIS does not give '$usage'"
    fi
done

[ "$failed" -eq 0 ] && echo "synopses passed: $(echo $commands)"
exit "$failed"
