#!/usr/bin/env bash
# A save keeps what a plain overwrite of the data file would keep, and keeps
# the content it replaces as GraphDataFile2.txt.bak:
#   - a second hard link: the file is rewritten in place, so the other name
#     sees the new content; the backup is a copy with the file's mode;
#   - the usual save by rename: the new file has the old one's mode, and the
#     old file itself becomes the backup, replacing an older one;
#   - the very bytes the file holds: nothing is written, not even its time,
#     and no backup is made;
#   - a graph without nodes is refused: the data file and an older backup
#     keep every byte and their times.
# No session may leave a hidden temporary file.
#
#   datafile_save_keeps.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"

old=$'Kept by two names\n[U "Pair", (2),1]\n'
new='[U "Pair", (1),2, (2)]'

# fresh <case>: an empty working folder, entered.
fresh() {
    work=$scratch/$1
    mkdir "$work" && cd "$work" || exit 1
}

# session <typed answers>: one run in the working folder.
session() {
    local status
    printf '%s' "$1" | timeout 10 "$binary" >"$scratch/out" 2>"$scratch/stderr"
    status=$?
    [ "$status" -eq 0 ] || fail "$what: exit status $status"
    [ ! -s "$scratch/stderr" ] || fail "$what: wrote to stderr: $(head -3 "$scratch/stderr")"
    [ -z "$(find . -name ".$data.*")" ] || fail "$what: temporary files left: $(find . -name ".$data.*")"
}

holds() { [ "$(cat "$1" 2>/dev/null; printf x)" = "${2}x" ]; }

what="second link"
fresh links
printf '%s' "$old" >"$data"
chmod 640 "$data"
ln "$data" other.txt
inode=$(stat -c %i "$data")
session $'F\n1\nN\n\n\n'
[ "$(stat -c '%i %h %a' "$data")" = "$inode 2 640" ] ||
    fail "$what: inode, links, mode now $(stat -c '%i %h %a' "$data"), were $inode 2 640"
holds other.txt "$new" || fail "$what: the other name does not see the new content"
holds "$data.bak" "$old" || fail "$what: the backup does not hold the old content"
mode=$(stat -c %a "$data.bak" 2>/dev/null)
[ "$mode" = 640 ] || fail "$what: backup mode '$mode', not 640"

what="rename"
fresh rename
printf '%s' "$old" >"$data"
chmod 604 "$data"
printf 'older backup\n' >"$data.bak"
chmod 600 "$data.bak"
inode=$(stat -c %i "$data")
session $'F\n1\nN\n\n\n'
holds "$data" "$new" || fail "$what: the data file does not hold the new content"
[ "$(stat -c %a "$data")" = 604 ] || fail "$what: mode $(stat -c %a "$data"), not 604"
holds "$data.bak" "$old" || fail "$what: the older backup was not replaced by the old content"
[ "$(stat -c '%i %a' "$data.bak" 2>/dev/null)" = "$inode 604" ] ||
    fail "$what: backup inode and mode not the old file's $inode 604"

what="same bytes"
fresh same
printf '%s' "$new" >"$data"
touch -d '2001-02-03 04:05:06.789' "$data"
before=$(stat -c '%i %y' "$data")
session $'F\n1\nN\n\n\n'
[ "$(stat -c '%i %y' "$data")" = "$before" ] ||
    fail "$what: inode and time now $(stat -c '%i %y' "$data"), were $before"
holds "$data" "$new" || fail "$what: the content changed"
[ ! -e "$data.bak" ] || fail "$what: a backup was made of the same content"

refused="Error: a Ugraph without nodes is not saved, because it could not be loaded back; $data was left as it was"
for count in 0 -3; do
    what="node count $count"
    fresh "count$count"
    printf '%s' "$old" >"$data"
    printf 'older backup\n' >"$data.bak"
    touch -d '2001-02-03 04:05:06' "$data" "$data.bak"
    before=$(stat -c '%i %y' "$data" "$data.bak" 2>/dev/null)
    session $'K\nnone\n'"$count"$'\nN\n\n\n'
    [ "$(tail -1 "$scratch/out")" = "$refused" ] || fail "$what: not refused: $(tail -1 "$scratch/out")"
    holds "$data" "$old" && holds "$data.bak" $'older backup\n' ||
        fail "$what: the data file or its backup changed"
    [ "$(stat -c '%i %y' "$data" "$data.bak" 2>/dev/null)" = "$before" ] || fail "$what: inode or time changed"
done
exit "$failed"
