#!/usr/bin/env bash
# Only a regular file is a data file. Whatever else stands at its name (a
# FIFO, a device reached through a link, a UNIX socket, a folder) loads
# exactly as a missing data file does, at once: a FIFO without a writer or
# /dev/zero must not hold the program up or fill its memory. A keyboard save
# onto it is refused without blocking, and the thing stays what it was. The
# commands say "cannot read GraphDataFile2.txt (not a regular file)" for
# each but the folder, at once.
#
#   datafile_not_regular.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"

missing_output=$'Where is the data for the Ugraph?\nIf it will be typed in on the (K)eyboard, type K\nIf it is already in the GraphData (F)ile, type F\nCannot find file GraphDataFile2.txt\n'
not_regular=$'Error: cannot write file GraphDataFile2.txt (not a regular file); it was left as it was\n'

# Each maker builds the thing in the current folder under the data file's name.
make_fifo() { mkfifo "$data"; }
make_zero_link() { ln -s /dev/zero "$data"; }
make_null_link() { ln -s /dev/null "$data"; }
make_socket() {
    /usr/bin/python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$data"
}
make_folder() { mkdir "$data"; }

# What stands at the name: its type and, for a link, where it leads.
describe() { stat -c '%F' "$data" && { [ ! -L "$data" ] || readlink "$data"; }; }

# run <name> <maker> <typed answers>: one session in a fresh folder; its
# output is left in $scratch/out.
run() {
    local work=$scratch/$1 before status
    mkdir "$work"
    (cd "$work" && $2) || { fail "$1: could not make it"; return 1; }
    before=$(cd "$work" && describe)
    printf '%s' "$3" >"$scratch/typed"
    (cd "$work" && timeout 5 "$binary" <"$scratch/typed" >"$scratch/out" 2>"$scratch/stderr")
    status=$?
    [ "$status" -eq 0 ] || fail "$1: exit status $status (124: it blocked)"
    [ ! -s "$scratch/stderr" ] || fail "$1: wrote to stderr: $(head -3 "$scratch/stderr")"
    [ "$(cd "$work" && describe)" = "$before" ] || fail "$1: it was replaced"
    [ "$(ls -A "$work")" = "$data" ] || fail "$1: files were left: $(ls -A "$work" | tr '\n' ' ')"
}

# check <maker> [refusal]: a load must give the missing-file output byte for
# byte; a keyboard save must end in the refusal line, when one is given.
check() {
    if [ $# -ge 2 ]; then
        mkdir "$scratch/$1-list" && (cd "$scratch/$1-list" && $1) || fail "$1: could not make it"
        # Standard input a regular file: the device behind a link is not it.
        (cd "$scratch/$1-list" && timeout 5 "$binary" list <"$binary" >"$scratch/out" 2>"$scratch/stderr")
        [ $? -eq 2 ] && [ "$(cat "$scratch/stderr")" = "ugraph: cannot read $data (not a regular file)" ] ||
            fail "$1, list: $(cat "$scratch/stderr")"
    fi
    if run "$1-load" "$1" $'F\n1\nN\n\n\n'; then
        printf '%s' "$missing_output" | cmp -s - "$scratch/out" ||
            fail "$1, load: not the missing-file output: $(tail -2 "$scratch/out" | cat -A)"
    fi
    [ $# -ge 2 ] || return
    if run "$1-save" "$1" $'K\nTri\n3\n2 3\n3\n\nN\n\n\n'; then
        [ "$(tail -1 "$scratch/out")"$'\n' = "$2" ] ||
            fail "$1, save: not refused as expected: $(tail -1 "$scratch/out")"
    fi
}

check make_fifo "$not_regular"
check make_zero_link "$not_regular"
check make_null_link "$not_regular"
if [ -x /usr/bin/python3 ]; then
    check make_socket "$not_regular"
else
    echo "no /usr/bin/python3 to make a UNIX socket: the socket is not checked"
fi
# A save onto a folder is pinned by its transcript; here only its load.
check make_folder
exit "$failed"
