#!/usr/bin/env bash
# Data files kept where their users keep them, under names in any script:
#   - in a folder named "Grafos ñ", the data file is listed, shown and saved
#     twice; each save leaves the new graph and, as GraphDataFile2.txt.bak,
#     byte for byte the content it replaced;
#   - reached with -f through a folder named "Γράφοι", relative or absolute,
#     it is listed;
#   - import --append twice in a row into a file there leaves both graphs,
#     the first one kept as the backup of the second append.
# The names reach ugraph as UTF-8 bytes on Linux and as the wide command
# line on Windows; in between they must not pass through a code page.
#
#   datafile_names.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
example=$(cd "$(dirname "$0")/../../examples" && pwd)/GraphDataFile2.txt
# Wine hands arguments to the program through the locale's character set.
export LC_ALL=C.UTF-8

listed_example='1  "Path"  4 nodes  3 links
2  "Cycle6"  6 nodes  6 links
3  "TwoDigits"  20 nodes  4 links'

# run <what> <expected status> <ugraph arguments...>: ugraph with no input;
# its standard output is left in $scratch/out.
run() {
    local what=$1 expected=$2 status
    shift 2
    timeout 10 "$binary" "$@" </dev/null >"$scratch/out" 2>"$scratch/err"
    status=$?
    [ "$status" -eq "$expected" ] || fail "$what: exit status $status: $(head -3 "$scratch/err")"
    [ ! -s "$scratch/err" ] || fail "$what: wrote to stderr: $(head -3 "$scratch/err")"
}

# save <name>: the dialogue types in a graph of two linked nodes, named so.
save() {
    printf 'K\n%s\n2\n2\n\n\n\n' "$1" | timeout 10 "$binary" >"$scratch/out" 2>&1 ||
        fail "save of $1: exit status $?"
}

holds() { [ "$(cat "$1" 2>/dev/null; printf x)" = "${2}x" ]; }

folder="$scratch/Grafos ñ"
mkdir "$folder" && cp "$example" "$folder/$data"
cd "$folder" || exit 1
run "list in $folder" 0 list
[ "$(cat "$scratch/out")" = "$listed_example" ] || fail "list in $folder gave: $(cat "$scratch/out")"
run "show 2 in $folder" 0 show 2
grep -q 'Cycle6' "$scratch/out" || fail "show 2 in $folder gave: $(head -3 "$scratch/out")"
save Primero
holds "$data" '[U "Primero", (1),2, (2)]' || fail "first save: the data file holds $(cat -A "$data")"
cmp -s "$example" "$data.bak" || fail "first save: the backup is not the example byte for byte"
save Segundo
holds "$data" '[U "Segundo", (1),2, (2)]' || fail "second save: the data file holds $(cat -A "$data")"
holds "$data.bak" '[U "Primero", (1),2, (2)]' ||
    fail "second save: the backup holds $(cat -A "$data.bak"), not the first save's graph"
[ "$(ls -A . | tr '\n' ' ')" = "$data $data.bak " ] || fail "left in $folder: $(ls -A .)"

greek="$scratch/Γράφοι"
mkdir "$greek" && cp "$example" "$greek/$data"
cd "$scratch" || exit 1
for path in "Γράφοι/$data" "$greek/$data"; do
    run "list -f $path" 0 list -f "$path"
    [ "$(cat "$scratch/out")" = "$listed_example" ] || fail "list -f $path gave: $(cat "$scratch/out")"
done

appended="$greek/appended.txt"
printf '1 2\n' | timeout 10 "$binary" import --from edgelist --name first --append -f "$appended" ||
    fail "first import --append: exit status $?"
printf '2 3\n' | timeout 10 "$binary" import --from edgelist --name second --append \
    -f "Γράφοι/appended.txt" || fail "second import --append: exit status $?"
run "list of the appended file" 0 list -f "$appended"
[ "$(cat "$scratch/out")" = '1  "first"  2 nodes  1 link
2  "second"  3 nodes  1 link' ] || fail "after two appends, list gave: $(cat "$scratch/out")"
holds "$appended.bak" $'[U "first", (1),2, (2)]\n' ||
    fail "the backup of the second append holds $(cat -A "$appended.bak")"

exit "$failed"
