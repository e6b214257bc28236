#!/usr/bin/env bash
# The data file's lock as another program sees it, held with flock(1):
#   - a writer (import --append, the dialogue's save) and a reader (list)
#     that find it held wait, say so once (one line on standard error, in
#     the dialogue one line of its output), and take it as soon as it goes;
#   - held for longer than 10 seconds, they give up with one more line and
#     status 2 (the dialogue 0), nothing written;
#   - the dialogue holds no lock while it waits for the user, between the
#     listing and the choice and while the written form waits for its key:
#     an append then goes through without waiting.
#
#   datafile_lock.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
command -v flock >/dev/null || { echo "no flock(1) to hold the data file's lock"; exit 77; }
cd "$scratch" || exit 1

old=$'Graphs of the lock trials\n[U "Old", (1),2, (2)]\n'
added='[U "A", (1),5, (2),5, (3),5, (4),5, (5)]'
printf 'D?{\n' >a.g6
waits="ugraph: $data is in use by another program; waiting up to 10 seconds for it"
dialogue_waits="Note: $data is in use by another program; waiting up to 10 seconds for it"
typed=$'K\nTri\n3\n2 3\n3\n\nN\n\n\n'
written='[U "Tri", (1),2,3, (2),3, (3)]'

# lay: the data file as it was, no backup.
lay() { printf '%s' "$old" >"$data" && rm -f "$data.bak"; }

# held <seconds> <mode> <command...>: runs the command while flock holds the
# data file for that long (-s shared, -x exclusive); sets took (seconds).
held() {
    local seconds=$1 mode=$2 start
    shift 2
    flock "$mode" "$data" sleep "$seconds" &
    local holder=$!
    sleep 0.3
    start=$(date +%s)
    "$@"
    took=$(($(date +%s) - start))
    wait "$holder"
}

# A short hold: each waits, says it once, and goes on.
lay
held 2 -s "$binary" import --from graph6 --name A --append a.g6 2>stderr
[ "$(cat stderr)" = "$waits" ] || fail "append behind a reader: said '$(cat stderr)'"
[ "$(cat "$data")" = "$old$added" ] || fail "append behind a reader: not appended"
lay
held 2 -s sh -c 'printf "%s" "$1" | "$0"' "$binary" "$typed" >out 2>stderr
[ "$(grep -c "^$dialogue_waits\$" out)" = 1 ] && [ "$(tail -1 out)" = "$dialogue_waits" ] ||
    fail "save behind a reader: did not tell its wait in one line: $(tail -2 out)"
[ "$(cat "$data")" = "$written" ] || fail "save behind a reader: not saved"
held 2 -x "$binary" list >out 2>stderr
[ "$(cat stderr)" = "$waits" ] && [ "$(cat out)" = '1  "Tri"  3 nodes  3 links' ] ||
    fail "list behind a writer: said '$(cat stderr)', listed '$(cat out)'"

# A hold past 10 seconds: all three give up, at once, nothing written.
lay
cp "$data" before.txt
flock -x "$data" sleep 12 &
holder=$!
sleep 0.3
start=$(date +%s)
"$binary" import --from graph6 --name A --append a.g6 2>append.err &
append=$!
printf '%s' "$typed" | "$binary" >save.out 2>save.err &
save=$!
"$binary" list >list.out 2>list.err
list_status=$?
wait "$append"
append_status=$?
wait "$save"
save_status=$?
took=$(($(date +%s) - start))
wait "$holder"
[ "$append_status" = 2 ] && [ "$(cat append.err)" = "$waits"$'\n'"ugraph: $data is still in use by another program after 10 seconds; it was left as it was" ] ||
    fail "append gave up with status $append_status, saying '$(cat append.err)'"
[ "$save_status" = 0 ] && [ ! -s save.err ] &&
    [ "$(tail -2 save.out)" = "$dialogue_waits"$'\n'"Error: $data is still in use by another program after 10 seconds; it was left as it was" ] ||
    fail "the save gave up with status $save_status, saying '$(tail -2 save.out)'"
[ "$list_status" = 2 ] && [ ! -s list.out ] && [ "$(cat list.err)" = "$waits"$'\n'"ugraph: cannot read $data (still in use by another program after 10 seconds)" ] ||
    fail "list gave up with status $list_status, saying '$(cat list.err)'"
[ "$took" -ge 10 ] && [ "$took" -le 12 ] || fail "they gave up after $took seconds, not 10"
cmp -s "$data" before.txt && [ ! -e "$data.bak" ] || fail "something was written"
echo "held for 12 seconds: append, save and list gave up after $took seconds, nothing written"

# No lock while the dialogue waits for its user: at the choice, then at the
# key before the save.
lay
mkfifo answers
"$binary" <answers >session.out 2>session.err &
session=$!
exec 3>answers
printf 'F\n' >&3
sleep 0.5
timeout 5 "$binary" import --from graph6 --name A --append a.g6 2>stderr
[ $? = 0 ] && [ ! -s stderr ] || fail "an append while the dialogue waits for a number: $(cat stderr)"
printf '1\nN\n' >&3
sleep 0.5
timeout 5 "$binary" import --from graph6 --name A --append a.g6 2>stderr
[ $? = 0 ] && [ ! -s stderr ] || fail "an append while the dialogue waits for its key: $(cat stderr)"
printf '\n\n' >&3
exec 3>&-
wait "$session"
[ "$(cat "$data")" = '[U "Old", (1),2, (2)]' ] || fail "the dialogue did not save after the appends"
[ "$(cat "$data.bak")" = "$old$added"$'\n'"$added" ] || fail "the backup is not what the appends left"
[ -z "$(find . -name ".$data.*")" ] || fail "hidden files left: $(find . -name ".$data.*")"
exit "$failed"
