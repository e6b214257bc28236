#!/usr/bin/env bash
# Writes the system refuses midway, and names at the limit:
#   - a file size limit (ulimit -f 64) that an append passes, on a data file
#     rewritten in place (a second hard link) and on one replaced by rename:
#     status 2, one line naming "File too large", the data file, its second
#     link and the older backup byte for byte as they were, nothing left;
#   - a data file that may only be appended to (chattr +a, which takes root
#     and a file system that has the attribute): the save is refused and the
#     older backup is still the older one;
#   - data file names of 243 to 251 bytes, whose hidden names would pass
#     255 bytes: saved twice by the dialogue and appended to, each time with
#     the backup kept and nothing left; 252 bytes and more leave no room for
#     ".bak", and the save is refused for it, nothing written.
#
#   datafile_write_faults.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
cd "$scratch" || exit 1

printf 'D?{\n' >a.g6
typed=$'K\nTri\n3\n2 3\n3\n\nN\n\n\n'
written='[U "Tri", (1),2,3, (2),3, (3)]'
# Nearly 64 kB, so that one more data-input passes the limit.
yes '[U "g", (1),2, (2)]' | head -n 3276 >old.txt
printf 'the older backup\n' >older.txt

# The file size limit.
for linked in yes no; do
    what="an append past the size limit, $([ $linked = yes ] && echo in place || echo by rename)"
    rm -rf limit && mkdir limit && cp old.txt "limit/$data" && cp older.txt "limit/$data.bak"
    [ $linked = yes ] && ln "limit/$data" limit/second
    (ulimit -f 64; "$binary" import --from graph6 --append -f "limit/$data" a.g6 2>stderr)
    status=$?
    [ "$status" = 2 ] || fail "$what: status $status"
    [ "$(cat stderr)" = "ugraph: cannot write file limit/$data (File too large); it was left as it was" ] ||
        fail "$what: said '$(cat stderr)'"
    cmp -s old.txt "limit/$data" || fail "$what: the data file changed"
    [ $linked = no ] || cmp -s old.txt limit/second || fail "$what: the second link changed"
    cmp -s older.txt "limit/$data.bak" || fail "$what: the older backup was not kept"
    [ -z "$(ls -A limit | grep '^\.')" ] || fail "$what: hidden files left: $(ls -A limit)"
done

# A data file that may only be appended to.
rm -rf append-only && mkdir append-only && cp older.txt "append-only/$data.bak"
printf '[U "Old", (1),2, (2)]' >"append-only/$data"
if [ "$(id -u)" = 0 ] && chattr +a "append-only/$data" 2>/dev/null; then
    (cd append-only && printf '%s' "$typed" | "$binary" >../out 2>../stderr)
    chattr -a "append-only/$data"
    [ "$(tail -1 out)" = "Error: cannot write file $data (Operation not permitted); it was left as it was" ] ||
        fail "append-only: not refused as expected: $(tail -1 out)"
    [ "$(cat "append-only/$data")" = '[U "Old", (1),2, (2)]' ] || fail "append-only: the data file changed"
    cmp -s older.txt "append-only/$data.bak" || fail "append-only: the older backup was replaced"
    [ -z "$(ls -A append-only | grep '^\.')" ] || fail "append-only: hidden files left"
else
    echo "no chattr +a here (it takes root and a file system with the attribute): the append-only file is not tried"
fi

# Names at the limit.
for length in 243 244 247 248 251 252; do
    name=$(printf 'n%.0s' $(seq 1 "$length"))
    rm -rf long && mkdir long
    (cd long && printf '%s' "$typed" | "$binary" -f "$name" >../out 2>&1 &&
        printf 'K\nTwo\n2\n2\n\nN\n\n\n' | "$binary" -f "$name" >>../out 2>&1)
    if [ "$length" -le 251 ]; then
        [ "$(cat "long/$name" 2>/dev/null)" = '[U "Two", (1),2, (2)]' ] &&
            [ "$(cat "long/$name.bak" 2>/dev/null)" = "$written" ] ||
            fail "a name of $length bytes: not saved with its backup: $(grep Error out)"
        "$binary" import --from graph6 --append -f "long/$name" a.g6 2>stderr ||
            fail "a name of $length bytes: not appended to: $(cat stderr)"
        [ "$(cat "long/$name.bak")" = '[U "Two", (1),2, (2)]' ] ||
            fail "a name of $length bytes: the append kept no backup"
    else
        [ "$(tail -1 out)" = "Error: cannot keep the previous content of $name as $name.bak (File name too long); $name was left as it was" ] ||
            fail "a name of $length bytes: $(tail -1 out)"
        [ "$(cat "long/$name" 2>/dev/null)" = "$written" ] || fail "a name of $length bytes: the data file changed"
    fi
    [ -z "$(ls -A long | grep '^\.')" ] || fail "a name of $length bytes: hidden files left"
done
exit "$failed"
