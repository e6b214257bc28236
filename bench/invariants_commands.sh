#!/usr/bin/env bash
# The commands over the invariants engine beside nauty's programs, in one
# hyperfine run on the 261,080 connected graphs of 9 nodes relabelled at
# random (`nauty-geng -c -q 9 | nauty-ranlabg -q -S1`), every output
# discarded:
#
#   bench/invariants_commands.sh <ugraph> [hyperfine options...]
#
#   ugraph classes --from graph6              beside nauty-shortg -q     (target <= 0.5x)
#   ugraph convert --where girth=5..          beside nauty-pickg -q -g5: (target <= 1.0x)
#   ugraph info --format jsonl                beside nauty-pickg -V -q --nedDcczZgTkhbrEao
#                                                                        (target <= 1.0x)
set -euo pipefail
ugraph=$(realpath "$1")
shift
for tool in nauty-geng nauty-ranlabg nauty-shortg nauty-pickg hyperfine; do
    if ! command -v "$tool" >/dev/null; then
        echo "invariants_commands: skipped, $tool is not installed"
        exit 0
    fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
nauty-geng -c -q 9 | nauty-ranlabg -q -S1 >r9.g6
hyperfine -N -w 1 -r 5 "$@" \
    "nauty-shortg -q r9.g6" \
    "$ugraph classes --from graph6 r9.g6" \
    "nauty-pickg -q -g5: r9.g6" \
    "$ugraph convert --from graph6 --to graph6 --where girth=5.. r9.g6" \
    "nauty-pickg -V -q --nedDcczZgTkhbrEao r9.g6" \
    "$ugraph info --from graph6 --format jsonl r9.g6"
