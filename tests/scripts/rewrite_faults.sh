#!/bin/bash
# A rewrite in place (a data file or an OUTFILE with a second hard link)
# failed or killed at every system call that writes, syncs, cuts or names a
# file: write, pwrite64, fsync, fdatasync, ftruncate, rename, link, each at
# its first to its last use in the rewrite, made to fail with EIO or to end
# the program with SIGKILL (strace's injection). After one further run of
# ugraph on the file (`list`, any command would do), the file and its
# second link hold the old content, or the new one with the old as ".bak"
# where a backup is kept: never a mix, never the old content lost; and the
# next completed save leaves no hidden file. Prints the figures.
#
#   rewrite_faults.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
command -v strace >/dev/null || { echo "no strace to inject the faults"; exit 77; }
strace -o /dev/null -e inject=write:error=EIO:when=1000 true 2>/dev/null ||
    { echo "strace cannot inject faults here (no ptrace)"; exit 77; }
cd "$scratch" || exit 1

{ printf 'Graphs kept for the fault trials\n[U "Old", (2),1]\n'; yes '[U "g", (1),2, (2)]' | head -n 4000; } >old.txt
printf 'D?{\n' >a.g6
typed=$'K\nNew\n3\n2\n3\n\nN\n\n\n'
printf '[U "New", (1),2, (2),3, (3)]' >new-save.txt
{ cat old.txt; printf '[U "a", (1),5, (2),5, (3),5, (4),5, (5)]\n'; } >new-append.txt
sed '3s/.*/[U "g", (1),2,3, (2), (3)]/' old.txt >new-edit.txt
sed '2d' old.txt >new-delete.txt
sed '2s/"Old"/"Renamed"/' old.txt >new-rename.txt
trials=0 mixed=0 lost=0 left=0 undone=0

# The rewrites: a save, an append, an edit of data-input 2, a delete and a
# rename of data-input 1, an export onto the OUTFILE.
rewrite() {
    case $1 in
        save) printf '%s' "$typed" | "${@:2}" "$binary" >/dev/null 2>&1 ;;
        append) "${@:2}" "$binary" import --from graph6 --append ../a.g6 >/dev/null 2>&1 ;;
        edit) "${@:2}" "$binary" edit 2 --link 1-3 >/dev/null 2>&1 ;;
        delete) "${@:2}" "$binary" delete 1 >/dev/null 2>&1 ;;
        rename) "${@:2}" "$binary" rename 1 Renamed >/dev/null 2>&1 ;;
        export) "${@:2}" "$binary" convert --from graph6 --to graph6 -o "$data" ../a.g6 >/dev/null 2>&1 ;;
    esac
}

lay() {
    rm -rf w && mkdir w && cp old.txt "w/$data" && ln "w/$data" w/second
}

# How many times the rewrite makes the call, in a run without faults.
uses() {
    lay
    (cd w && rewrite "$1" strace -qq -o ../calls -e trace="$2")
    grep -c "^$2(" calls
}

judge() {
    local what=$1 way=$2 new=$3
    (cd w && "$binary" list >/dev/null 2>../undo)
    trials=$((trials + 1))
    [ -s undo ] && undone=$((undone + 1))
    if ! cmp -s "w/$data" w/second; then
        mixed=$((mixed + 1)) && fail "$what: the second link differs from the data file"
    elif cmp -s "w/$data" old.txt; then
        :
    elif cmp -s "w/$data" "$new"; then
        [ "$way" = export ] || cmp -s "w/$data.bak" old.txt ||
            { lost=$((lost + 1)) && fail "$what: the new content without the old as .bak"; }
    else
        mixed=$((mixed + 1)) && fail "$what: neither the old content nor the new one"
    fi
    (cd w && printf '%s' "$typed" | "$binary" >/dev/null 2>&1)
    [ -z "$(ls -A w | grep '^\.')" ] ||
        { left=$((left + 1)) && fail "$what: hidden files after a save: $(ls -A w | grep '^\.')"; }
}

for way in save append edit delete rename export; do
    new=new-$way.txt
    [ "$way" = export ] && printf '%s\n' 'D?{' >"$new"
    for call in write pwrite64 fsync fdatasync ftruncate rename link; do
        count=$(uses "$way" "$call")
        for ((when = 1; when <= count; ++when)); do
            for how in error=EIO signal=KILL; do
                lay
                (cd w && rewrite "$way" strace -qq -o /dev/null -e trace="$call" \
                    -e inject="$call:$how:when=$when") 2>/dev/null
                judge "$way, $call $how at its use $when of $count" "$way" "$new"
            done
        done
    done
done
echo "$trials trials: $mixed mixed, $lost lost, $left with hidden files left after a save;" \
    "$undone further runs put back a rewrite cut short"
exit $failed
