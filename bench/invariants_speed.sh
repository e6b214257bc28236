#!/usr/bin/env bash
# The invariants engine against nauty's programs, on the 261,080 connected
# graphs of 9 nodes relabelled at random (`nauty-geng -c -q 9 |
# nauty-ranlabg -q -S7`), each pair timed one after the other in one run:
#
#   bench/invariants_speed.sh <ugraph_invariants_driver>
#
#   classes   driver classes       beside  nauty-shortg -q     (target <= 0.5x)
#   girth5    driver girth5        beside  nauty-pickg -q -g5: (target <= 1.0x)
#   info      driver info (jsonl)  beside  nauty-pickg -V -q --nedDcczZgTkhbrEao
#                                          (its report discarded; target <= 1.0x)
# and the slowest chromatic number of random graphs of 50 nodes with 200
# to 624 links (nauty-genrang, fixed seeds). Checks first that girth5 keeps
# pickg's lines and that classes finds 261,080 classes. User and wall
# seconds from /usr/bin/time; a shared machine makes the wall times noisy.
set -euo pipefail
driver=$(realpath "$1")
for tool in nauty-geng nauty-ranlabg nauty-shortg nauty-pickg nauty-genrang /usr/bin/time; do
    if ! command -v "$tool" >/dev/null; then
        echo "invariants_speed: skipped, $tool is not installed"
        exit 0
    fi
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
nauty-geng -c -q 9 | nauty-ranlabg -q -S7 > r9.g6

[ "$("$driver" classes < r9.g6 | wc -l)" -eq 261080 ] || { echo "classes: wrong count"; exit 1; }
"$driver" girth5 < r9.g6 > ours.g6
nauty-pickg -q -g5: r9.g6 > theirs.g6
cmp -s ours.g6 theirs.g6 || { echo "girth5: not pickg's lines"; exit 1; }

timed() { # label command...
    /usr/bin/time -o time.txt -f "%U %e" "${@:2}" > /dev/null 2>&1 < r9.g6
    read -r user wall < time.txt
    printf '%-8s user %5.2f s  wall %5.2f s\n' "$1" "$user" "$wall"
}
timed classes "$driver" classes
timed shortg nauty-shortg -q r9.g6 /dev/null
timed girth5 "$driver" girth5
timed pickg-g5 nauty-pickg -q -g5: r9.g6
timed info "$driver" info
timed pickg-V nauty-pickg -V -q --nedDcczZgTkhbrEao r9.g6

for links in 200 300 400 500 624; do
    nauty-genrang -q -g -S"$links" -e"$links" 50 40 > "rand$links.g6"
    printf 'chromatic, 50 nodes, %3d links: ' "$links"
    "$driver" chromatic < "rand$links.g6" | tail -1 | cut -c1-40
done
