#!/usr/bin/env bash
# Saves where the data file or its folder belongs to another user, which
# takes root to stage: the sessions run as nobody, or as root over a link of
# nobody's.
#   - root's file, mode 666, saved by nobody (in a 777 folder, or a sticky
#     1777 one): a new file could not be given root as its owner, so the
#     file is rewritten in place and keeps owner, group and inode; the old
#     content is kept beside it as a copy with the file's mode;
#   - the same in a 555 folder, which refuses new files: rewritten in place,
#     no backup, and the user is told so in one line; a ".bak" there that is
#     a second link of an unrelated file is never written through;
#   - a missing data file in a 555 folder: the folder's refusal, nothing
#     written;
#   - a link in a sticky world-writable folder is followed only when it
#     belongs to the user or to the folder's owner: root neither loads
#     through nobody's link in root's folder nor saves through it, and the
#     link's target keeps every byte; root's own link there, or nobody's
#     link in nobody's folder, is followed; nobody's link to a folder on the
#     way to the file is not followed either.
#
#   datafile_other_user.sh <ugraph>
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=GraphDataFile2.txt
[ "$(id -u)" = 0 ] || { echo "not root: no other user to save as"; exit 77; }
id nobody >/dev/null 2>&1 || { echo "there is no user nobody to save as"; exit 77; }
command -v setpriv >/dev/null || { echo "no setpriv to run ugraph as nobody"; exit 77; }
# nobody has no home: a state folder of its own keeps the journal of a
# rewrite in place where the data file's folder takes no new file.
nobody_state=$(mktemp -d /tmp/ugraph-nobody-state.XXXXXX)
chmod 777 "$nobody_state"
as_nobody=(env XDG_STATE_HOME="$nobody_state" setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
"${as_nobody[@]}" test -x "$binary" ||
    { echo "nobody cannot execute $binary (a folder on its path is closed to others)"; exit 77; }
# Under /tmp, open to nobody, whatever TMPDIR says.
scratch=$(mktemp -d /tmp/ugraph-other-user.XXXXXX)
trap 'rm -rf "$scratch" "$nobody_state"' EXIT
chmod 755 "$scratch"
failed=0
fail() { echo "FAIL: $what: $*"; failed=1; }

typed_graph=$'K\nTri\n3\n2 3\n3\n\nN\n\n\n'
written='[U "Tri", (1),2,3, (2),3, (3)]'
shown=" if YES then press Y key. Pressing any other letter key means NO  $written"
old=$'Graphs of root\n[U "Root", (2),1]\n'
missing_output=$'Where is the data for the Ugraph?\nIf it will be typed in on the (K)eyboard, type K\nIf it is already in the GraphData (F)ile, type F\nCannot find file GraphDataFile2.txt'

# folder <name> <mode> [owner]: a fresh folder, entered.
folder() {
    mkdir "$scratch/$1" && cd "$scratch/$1" || exit 1
    chown "${3:-root}" . && chmod "$2" .
}

# session <typed answers> [as nobody]: sets out to what ugraph printed.
session() {
    local status
    if [ $# -ge 2 ]; then
        out=$(printf '%s' "$1" | timeout 10 "${as_nobody[@]}" "$binary" 2>"$scratch/stderr")
    else
        out=$(printf '%s' "$1" | timeout 10 "$binary" 2>"$scratch/stderr")
    fi
    status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
    [ ! -s "$scratch/stderr" ] || fail "wrote to stderr: $(head -3 "$scratch/stderr")"
    [ -z "$(find . -name ".$data.*")" ] || fail "temporary files left: $(find . -name ".$data.*")"
}

holds() { [ "$(cat "$1" 2>/dev/null; printf x)" = "${2}x" ]; }

# root's 666 file saved by nobody: in place, with a copy as backup.
for mode in 777 1777; do
    what="root's file in a $mode folder"
    folder "shared$mode" "$mode"
    printf '%s' "$old" >"$data" && chmod 666 "$data"
    before=$(stat -c '%i %U %G' "$data")
    session "$typed_graph" nobody
    [ "$(tail -1 <<<"$out")" = "$shown" ] || fail "not saved quietly: $(tail -1 <<<"$out")"
    holds "$data" "$written" || fail "the data file does not hold the graph"
    [ "$(stat -c '%i %U %G' "$data")" = "$before" ] ||
        fail "inode, owner, group now $(stat -c '%i %U %G' "$data"), were $before"
    holds "$data.bak" "$old" || fail "the backup does not hold the old content"
    [ "$(stat -c %a "$data.bak" 2>/dev/null)" = 666 ] || fail "the backup has not the file's mode"
done

# root and nobody take turns in a sticky world-writable folder, saving and
# appending, three rounds: each gets through every time, the other's ".bak"
# never blocks a save (the previous content then goes to a name of the
# saver's own, told on standard error), and no hidden file is left.
what="root and nobody in turn in a sticky folder"
folder turns 1777
printf '%s' "$old" >"$data" && chmod 666 "$data"
: >"$scratch/notes"
for round in 1 2 3; do
    for who in root nobody; do
        runner=(env)
        [ "$who" = nobody ] && runner=("${as_nobody[@]}")
        out=$(printf '%s' "$typed_graph" | timeout 10 "${runner[@]}" "$binary" 2>>"$scratch/notes") ||
            fail "$who's save in round $round: status $?"
        [ "$(tail -1 <<<"$out")" = "$shown" ] || fail "$who's save in round $round: $(tail -1 <<<"$out")"
        holds "$data" "$written" || fail "$who's save in round $round: the graph is not there"
        printf 'D?{\n' | timeout 10 "${runner[@]}" "$binary" import --from graph6 --append \
            2>>"$scratch/notes" || fail "$who's append in round $round: status $?"
        grep -qF '[U "graph", (1),5, (2),5, (3),5, (4),5, (5)]' "$data" ||
            fail "$who's append in round $round: nothing appended"
        [ -z "$(find . -name ".$data.*")" ] ||
            fail "hidden files after $who in round $round: $(find . -name ".$data.*")"
    done
done
unexpected=$(grep -v "^ugraph: $data.bak belongs to another user and cannot be replaced, so the previous content of $data was kept as $data.bak-[0-9]*\$" "$scratch/notes")
[ -z "$unexpected" ] || fail "told: $(head -3 <<<"$unexpected")"
grep -q "kept as $data.bak-$(id -u nobody)\$" "$scratch/notes" ||
    fail "nobody was never told where the previous content went"

what="root's file in a 555 folder"
folder closed 777
printf '%s' "$old" >"$data" && chmod 666 "$data" && chmod 555 .
before=$(stat -c '%i %U %G' "$data")
session "$typed_graph" nobody
[ "$(tail -1 <<<"$out")" = "Note: the folder of $data refuses new files, so it was rewritten in place and no backup of its previous content could be kept" ] ||
    fail "not told of the missing backup: $(tail -1 <<<"$out")"
holds "$data" "$written" || fail "the data file does not hold the graph"
[ "$(stat -c '%i %U %G' "$data")" = "$before" ] || fail "inode, owner or group changed"
[ "$(ls -A)" = "$data" ] || fail "files beside the data file: $(ls -A | tr '\n' ' ')"

what="a backup linked to an unrelated file in a 555 folder"
folder closed-linked 777
printf '%s' "$old" >"$data" && chmod 666 "$data"
printf 'unrelated\n' >unrelated.txt && chmod 666 unrelated.txt && ln unrelated.txt "$data.bak"
chmod 555 .
session "$typed_graph" nobody
[ "$(tail -1 <<<"$out")" = "Note: the folder of $data refuses new files, so it was rewritten in place and no backup of its previous content could be kept" ] ||
    fail "not told of the missing backup: $(tail -1 <<<"$out")"
holds "$data" "$written" || fail "the data file does not hold the graph"
holds unrelated.txt $'unrelated\n' || fail "the unrelated file was written through the backup's name"
[ "$(stat -c %i unrelated.txt)" = "$(stat -c %i "$data.bak")" ] || fail "the backup's name was changed"

what="missing file in a 555 folder"
folder closed-empty 555
session "$typed_graph" nobody
[ "$(tail -1 <<<"$out")" = "Error: cannot write in the folder of $data (Permission denied); $data was left as it was" ] ||
    fail "not refused by the folder: $(tail -1 <<<"$out")"
[ -z "$(ls -A)" ] || fail "files were written: $(ls -A | tr '\n' ' ')"

# link_case <folder owner> <link owner> <followed: yes|no>, run as root.
link_case() {
    what="$2's link in $1's sticky folder"
    folder "link-$1-$2" 1777 "$1"
    printf '[U "Target", (2),1]' >../target-$1-$2.txt
    chmod 666 ../target-$1-$2.txt
    touch -d '2001-02-03 04:05:06' ../target-$1-$2.txt
    ln -s ../target-$1-$2.txt "$data" && chown -h "$2" "$data"
    local target_before
    target_before=$(stat -c '%i %y' ../target-$1-$2.txt)
    session $'F\n1\nN\n\n\n'
    if [ "$3" = no ]; then
        [ "$out" = "$missing_output" ] || fail "loaded through the link: $(tail -1 <<<"$out")"
        session "$typed_graph"
        [ "$(tail -1 <<<"$out")" = "Error: $data is a symbolic link in a sticky world-writable folder that belongs to neither you nor the folder's owner; it was not followed and nothing was written" ] ||
            fail "save not refused: $(tail -1 <<<"$out")"
        [ "$(stat -c '%i %y' ../target-$1-$2.txt)" = "$target_before" ] || fail "the target was written"
        [ "$(ls -A)" = "$data" ] || fail "files beside the link: $(ls -A | tr '\n' ' ')"
    else
        grep -qxF 'Ufile Target     2 Nodes   1 Links' <<<"$out" || fail "not loaded through the link"
        holds ../target-$1-$2.txt '[U "Target", (1),2, (2)]' || fail "not saved through the link"
    fi
    [ -L "$data" ] || fail "the link was replaced"
}
link_case root nobody no
link_case root root yes
link_case nobody nobody yes

# The rule holds for every link on the way, not only the last: root's own
# link to the data file leads through nobody's link to a folder in root's
# sticky folder, which is not followed.
what="nobody's link to a folder on the way"
folder way 1777
mkdir ../kept && printf '[U "Target", (2),1]' >../kept/$data
ln -s ../kept way && chown -h nobody way
folder way-user 755
ln -s ../way/way/$data "$data"
session $'F\n1\nN\n\n\n'
[ "$out" = "$missing_output" ] || fail "loaded through the link: $(tail -1 <<<"$out")"
holds ../kept/$data '[U "Target", (2),1]' || fail "the target was written"
exit "$failed"
