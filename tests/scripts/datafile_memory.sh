#!/usr/bin/env bash
# The data file is read as a stream: loading from a 200 MB data file needs
# no more memory than loading from a one-line one (peak resident sizes within
# 2048 kB), whatever makes it large:
#   many    ten million small data-inputs after the one loaded;
#   text    200 MB of free text before the only data-input;
#   long    one data-input of 200 MB, listed but too long to load.
# Each session answers F 1 N, ends with status 0 and says nothing on stderr.
# Where the data-input loads, the save keeps the 200 MB file as the backup
# by a second link to it (the same inode), not by a copy.
# import --append streams the data file too: one graph added to the 200 MB
# file of "many" takes no more memory than one added to a one-line file, and
# the file keeps every byte it had, the graph after them; and delete of the
# first data-input of that file, alone on its line, takes no more memory
# than on a two-line file, and takes that line and nothing else.
#
# The sanitizers keep memory of their own, so with UGRAPH_SANITIZED=1 the
# peaks are printed but not compared.
#
#   datafile_memory.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
[ -x /usr/bin/time ] || { echo "no /usr/bin/time to measure the peak memory"; exit 77; }
compare=1
if [ "${UGRAPH_SANITIZED:-0}" = 1 ]; then
    compare=0
    echo "sanitized build: its shadow memory and quarantine make the peaks no measure of ugraph's own"
fi

loaded='[U "Big", (2),1]'
saved='[U "Big", (1),2, (2)]'
size=200000000

printf 'D?{\n' >"$scratch/added.g6"
added='[U "added", (1),5, (2),5, (3),5, (4),5, (5)]'

# session <folder> [append]: F 1 N in the folder, or with "append" one graph
# added by import --append; sets peak (kB) and seconds.
session() {
    printf 'F\n1\nN\n\n\n' >"$scratch/typed"
    local command=("$binary")
    [ $# -lt 2 ] || command=("$binary" import --from graph6 --name added --append "$scratch/added.g6")
    (cd "$1" && /usr/bin/time -o "$scratch/time" -f '%M %e' "${command[@]}" <"$scratch/typed" \
        >/dev/null 2>"$scratch/stderr")
    local status=$?
    [ "$status" -eq 0 ] || fail "$1: exit status $status"
    [ ! -s "$scratch/stderr" ] || fail "$1: wrote to stderr: $(head -c 300 "$scratch/stderr")"
    read -r peak seconds < <(tail -1 "$scratch/time")  # after any note of a failed status
}

mkdir "$scratch/one"
printf '%s\n' "$loaded" >"$scratch/one/$data"
session "$scratch/one"
baseline=$peak
echo "one line: peak ${peak} kB, ${seconds} s"
session "$scratch/one" append
append_baseline=$peak
echo "one line, import --append: peak ${peak} kB, ${seconds} s"

# measure <shape> <generator> <loads: yes|no>
measure() {
    local folder=$scratch/$1 inode
    mkdir "$folder"
    $2 >"$folder/$data"
    inode=$(stat -c %i "$folder/$data")
    session "$folder"
    echo "$1: $(stat -c %s "$folder/$data.bak" 2>/dev/null || stat -c %s "$folder/$data") bytes, peak ${peak} kB, ${seconds} s"
    if [ "$compare" = 1 ] && [ "$peak" -gt $((baseline + 2048)) ]; then
        fail "$1: peak ${peak} kB, more than 2048 kB above the one-line file's ${baseline} kB"
    fi
    if [ "$3" = yes ]; then
        [ "$(cat "$folder/$data")" = "$saved" ] || fail "$1: the data file does not hold the saved graph"
        [ "$(stat -c %i "$folder/$data.bak" 2>/dev/null)" = "$inode" ] ||
            fail "$1: the backup is not the old file itself (inode $inode)"
    else
        [ "$(stat -c %i "$folder/$data")" = "$inode" ] && [ ! -e "$folder/$data.bak" ] ||
            fail "$1: a data-input that did not load was saved"
    fi
    rm -rf "$folder"  # one 200 MB file at a time
}

many() { printf '%s\n' "$loaded"; yes '[U "g", (1),2, (2)]' | head -n $((size / 20)); }
text() { head -c "$size" /dev/zero | tr '\0' x; printf '\n%s\n' "$loaded"; }
long() { printf '[U "Long", (1),2'; head -c "$size" /dev/zero | tr '\0' ,; printf ']\n'; }

mkdir "$scratch/append"
many >"$scratch/append/$data"
size_before=$(stat -c %s "$scratch/append/$data")
session "$scratch/append" append
echo "many, import --append: $size_before bytes, peak ${peak} kB, ${seconds} s"
if [ "$compare" = 1 ] && [ "$peak" -gt $((append_baseline + 2048)) ]; then
    fail "import --append: peak ${peak} kB, more than 2048 kB above the one-line file's ${append_baseline} kB"
fi
[ "$(tail -1 "$scratch/append/$data")" = "$added" ] &&
    [ "$(stat -c %s "$scratch/append/$data")" = $((size_before + ${#added} + 1)) ] &&
    cmp -s -n "$size_before" "$scratch/append/$data" "$scratch/append/$data.bak" ||
    fail "import --append: the 200 MB file did not keep its bytes with the graph after them"

# delete takes its data-input out of the same file, as the edits stream it.
deleted() {
    (cd "$1" && /usr/bin/time -o "$scratch/time" -f '%M %e' "$binary" delete 1 2>"$scratch/stderr")
    [ $? -eq 0 ] && [ ! -s "$scratch/stderr" ] || fail "delete 1 in $1: $(head -c 300 "$scratch/stderr")"
    read -r peak seconds < <(tail -1 "$scratch/time")
}
mkdir "$scratch/two"
printf '%s\n%s\n' "$loaded" "$added" >"$scratch/two/$data"
deleted "$scratch/two"
delete_baseline=$peak
deleted "$scratch/append"
echo "many, delete 1: peak ${peak} kB (${delete_baseline} kB for two lines), ${seconds} s"
if [ "$compare" = 1 ] && [ "$peak" -gt $((delete_baseline + 2048)) ]; then
    fail "delete: peak ${peak} kB, more than 2048 kB above the two-line file's ${delete_baseline} kB"
fi
tail -c +$((${#loaded} + 2)) "$scratch/append/$data.bak" | cmp -s - "$scratch/append/$data" ||
    fail "delete: the 200 MB file did not keep every byte but its first line's"
rm -rf "$scratch/append" "$scratch/two"

measure many many yes
measure text text yes
measure long long no
exit "$failed"
