#!/usr/bin/env bash
# The commands that only read the data file read it from standard input
# with -f -, and from a pipe or terminal reached through /dev/stdin; a path
# that cannot be read is told with the real reason; the dialogue, which
# reads its answers there, refuses -f -.
#
#   standard_streams.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
cd "$scratch" || exit 1

printf '1 2\n2 3\n' >p.el
# expect <what> <expected output> <command...>: status 0, that output, no error.
expect() {
    local what=$1 expected=$2 got status
    shift 2
    got=$("$@" 2>err)
    status=$?
    [ "$status" -eq 0 ] && [ "$got" = "$expected" ] && [ ! -s err ] ||
        fail "$what: status $status, output: $got, errors: $(cat err)"
}
listed='1  "p"  3 nodes  2 links'
expect "import | list -f -" "$listed" \
    bash -c '"$1" import --from edgelist p.el | "$1" list -f -' _ "$binary"
expect "import | list -f /dev/stdin" "$listed" \
    bash -c '"$1" import --from edgelist p.el | "$1" list -f /dev/stdin' _ "$binary"
expect "import | show 1 -f -" "Ufile p     3 Nodes   2 Links" \
    bash -c '"$1" import --from edgelist p.el | "$1" show 1 -f - | head -1' _ "$binary"
expect "import | export all --to graph6 -f /dev/stdin" "Bg" \
    bash -c '"$1" import --from edgelist p.el | "$1" export all --to graph6 -f /dev/stdin' _ "$binary"
expect "list -f /dev/stdin from a regular file" "$listed" \
    bash -c '"$1" import --from edgelist p.el >p.txt && "$1" list -f /dev/stdin <p.txt' _ "$binary"
expect "convert from standard input by -" "Bg" \
    bash -c '"$1" convert --from edgelist --to graph6 - <p.el' _ "$binary"

# refused <reason> <path>: list -f <path> says why, with status 2.
refused() {
    local got status
    got=$("$binary" list -f "$2" 2>&1 </dev/null)
    status=$?
    [ "$status" -eq 2 ] && [ "$got" = "ugraph: cannot read $2 ($1)" ] ||
        fail "list -f $2: status $status and: $got"
}
mkfifo fifo
refused "not a regular file" fifo
refused "Is a directory" .
refused "No such file or directory" missing.txt
# A pipe that is not standard input, reached through the kernel's link.
got=$(echo x | "$binary" list -f /proc/self/fd/3 3</dev/stdin 2>&1 </dev/null)
[ "$got" = "ugraph: cannot read /proc/self/fd/3 (not a regular file)" ] ||
    fail "a pipe behind /proc/self/fd/3 is told as: $got"

got=$(printf 'K\n' | "$binary" -f - 2>&1)
status=$?
[ "$status" -eq 2 ] && [[ "$got" == "ugraph: the dialogue reads its answers from standard input"* ]] ||
    fail "the dialogue with -f - gave status $status and: $got"
exit "$failed"
