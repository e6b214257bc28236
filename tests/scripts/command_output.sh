#!/usr/bin/env bash
# Output that fails is a failure, and -o never destroys the data file, as
# the real program meets them (the commands' own faults, a full disk, a
# closed output, are unit tests: tests/cli/command_faults_test.cpp):
#   - the dialogue to /dev/full still ends with 0, in silence;
#   - a reader of a pipe that goes away, whether the signal of a closed pipe
#     is ignored or not: status 141 at once, nothing said, the 20 MB data
#     file not read to its end;
#   - export -o naming the data file, under any name (itself, ./, its full
#     path, a hard link, a symbolic link): refused, nothing written;
#   - export -o /dev/stdout inside a redirected group keeps what the group
#     wrote before and after; to a pipe too; -o - and -o /dev/null; a FIFO
#     gets the text as a stream;
#   - show and export read their number alike, in decimal only.
#
#   command_output.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
cd "$scratch" || exit 1

graph='[U "g", (1),2, (2)]'
{ echo 'Graphs of the output trials'; for k in $(seq 1 12); do echo "[U \"n$k\", (1),2, (2),3, (3)]"; done; } >"$data"
cp "$data" kept.txt

# expect <what> <status> <stderr> <command...>: runs it with its stderr caught
# (124: it hung).
expect() {
    local what=$1 status=$2 said=$3 got
    shift 3
    timeout 20 "$@" 2>stderr
    got=$?
    [ "$got" -eq "$status" ] || fail "$what: status $got, not $status"
    [ "$(cat stderr)" = "$said" ] || fail "$what: said '$(cat stderr)', not '$said'"
}

cp "$data" dialogue.txt
printf 'F\n1\nN\n\n\n' | "$binary" -f dialogue.txt >/dev/full 2>stderr
[ $? -eq 0 ] && [ ! -s stderr ] || fail "the dialogue to /dev/full: not status 0 in silence"

# A reader that goes away: the 20 MB file is not read to its end.
yes "$graph" | head -n 1000000 >big.txt
start=$(date +%s%N)
"$binary" list -f big.txt >/dev/null
whole=$(($(date +%s%N) - start))
for ignored in no yes; do
    start=$(date +%s%N)
    if [ "$ignored" = yes ]; then
        (trap '' PIPE; "$binary" list -f big.txt 2>stderr | head -1 >/dev/null; echo "${PIPESTATUS[0]}" >status)
    else
        ("$binary" list -f big.txt 2>stderr | head -1 >/dev/null; echo "${PIPESTATUS[0]}" >status)
    fi
    took=$(($(date +%s%N) - start))
    what="list | head -1, the signal of a closed pipe ignored: $ignored"
    [ "$(cat status)" = 141 ] || fail "$what: status $(cat status), not 141"
    [ ! -s stderr ] || fail "$what: said $(cat stderr)"
    [ "$took" -lt $((whole / 4)) ] || fail "$what: $((took / 1000000)) ms, against $((whole / 1000000)) ms for the whole list"
    echo "$what: status $(cat status) after $((took / 1000000)) ms (the whole list: $((whole / 1000000)) ms)"
done

# export -o onto the data file, under any of its names.
ln "$data" hard.txt
ln -s "$data" soft.txt
for name in "$data" "./$data" "$scratch/$data" hard.txt soft.txt; do
    expect "export -o $name" 2 \
        "ugraph: -o $name is the data file $data (the same file); -o never writes over it, so nothing was written" \
        "$binary" export all --to graph6 -o "$name"
done
cmp -s "$data" kept.txt || fail "export -o changed the data file"
[ ! -e "$data.bak" ] || fail "export -o made a backup of the data file"
rm hard.txt soft.txt

# Streams: standard output under other names, /dev/null, a FIFO.
expected=$("$binary" export all --to graph6)
{ echo H; "$binary" export all --to graph6 -o /dev/stdout; echo F; } >report.txt
[ "$(cat report.txt)" = "H"$'\n'"$expected"$'\n'"F" ] || fail "-o /dev/stdout in a group: $(head -c 200 report.txt)"
[ "$("$binary" export all --to graph6 -o /dev/stdout | cat)" = "$expected" ] || fail "-o /dev/stdout to a pipe"
[ "$("$binary" export all --to graph6 -o -)" = "$expected" ] || fail "-o -"
expect "-o /dev/null" 0 "" "$binary" export all --to graph6 -o /dev/null
mkfifo fifo
timeout 20 cat fifo >from-fifo &
expect "-o a FIFO" 0 "" "$binary" export all --to graph6 -o fifo
wait
[ "$(cat from-fifo)" = "$expected" ] || fail "-o a FIFO: $(head -c 200 from-fifo)"
[ -p fifo ] || fail "the FIFO was replaced"
[ -z "$(ls -A | grep "^\.")" ] || fail "hidden files left: $(ls -A | grep "^\.")"

# Numbers in decimal only, alike for show and export.
[ "$("$binary" show 010 | head -1)" = "Ufile n10     3 Nodes   2 Links" ] || fail "show 010 is not data-input 10"
[ "$("$binary" export 010 --to edgelist)" = "$("$binary" export 10 --to edgelist)" ] || fail "export 010 is not data-input 10"
expect "show 0x3" 2 "ugraph: show takes the number of a data-input, not '0x3' (see 'ugraph show --help')" \
    "$binary" show 0x3
expect "export 0x3" 2 "ugraph: export takes a data-input number (1 or more) or all, not '0x3' (see 'ugraph export --help')" \
    "$binary" export 0x3 --to graph6
exit "$failed"
