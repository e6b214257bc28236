#!/usr/bin/env bash
# Runs ugraph once, as a user would, and compares byte for byte.
#
#   run_transcript.sh [--console-line-ends=lf|crlf] <ugraph> <case folder>
#
# <ugraph> is the command that runs the program: the binary, or in the
# Windows build the launcher that runs ugraph.exe under Wine.
#
# With crlf, the dialogue's console is in the text mode of Windows, where
# every line ugraph prints ends in CR LF: each of its standard output's line
# ends must then be CR LF, and is brought to LF before the comparison, which
# is the one difference allowed. The commands' standard output, standard
# error and every file keep LF on every system, so those are compared as
# they are. A run is the dialogue when its arguments name no command (at most
# -f FILE), or name edit or add at the console.
#
# The case folder holds:
#   stdin.txt           the answers typed, exactly as they reach standard input
#   stdout.txt          everything ugraph must print
#   datafile.txt        (optional) GraphDataFile2.txt before the run
#   datafile_after.txt  (optional) GraphDataFile2.txt after the run; without
#                       it the data file must be as it was (or still missing)
#   backup_after.txt    (optional) GraphDataFile2.txt.bak after the run, the
#                       content a save replaced; without it there must be none
#   args                (optional) the command-line arguments, one per line;
#                       without it ugraph runs with none (the dialogue)
#   stderr.txt          (optional) everything ugraph must print on standard
#                       error; without it standard error must stay empty
#   status              (optional) the exit status ugraph must end with;
#                       without it, 0
#   setup.sh, check.sh  (optional) run in the working folder before and after
#                       the run, for cases the files above cannot describe
#                       (a data file that is a folder, a link); with a
#                       setup.sh the data file is left to check.sh
# The run happens in a fresh empty folder, must end within 10 seconds, and
# must leave no temporary file behind.
set -u
line_ends=lf
case ${1:-} in
--console-line-ends=*)
    line_ends=${1#*=}
    shift
    ;;
esac
binary=$1
case_dir=$(cd "$2" && pwd)
work=$(mktemp -d)
scratch=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work" "$scratch"' EXIT
data=GraphDataFile2.txt
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$case_dir/datafile.txt" ] && cp "$case_dir/datafile.txt" "$work/$data"
if [ -f "$case_dir/setup.sh" ]; then
    (cd "$work" && bash "$case_dir/setup.sh") || fail "setup.sh failed"
fi

args=()
[ -f "$case_dir/args" ] && mapfile -t args <"$case_dir/args"
(cd "$work" && timeout 10 "$binary" "${args[@]}" <"$case_dir/stdin.txt" \
    >"$scratch/stdout" 2>"$scratch/stderr")
status=$?
expected_status=0
[ -f "$case_dir/status" ] && expected_status=$(cat "$case_dir/status")
[ "$status" -eq "$expected_status" ] ||
    fail "exit status $status, not $expected_status (124 means it hung)"

if [ -f "$case_dir/stderr.txt" ]; then
    cmp -s "$case_dir/stderr.txt" "$scratch/stderr" ||
        fail "standard error differs: $(cat -A "$scratch/stderr" | head -5)"
elif [ -s "$scratch/stderr" ]; then
    fail "standard error is not empty: $(cat -A "$scratch/stderr" | head -5)"
fi

# edit and add talk at the console as the dialogue does, unless edit is
# given its changes as options.
dialogue=1
for ((k = 0; k < ${#args[@]}; k++)); do
    case ${args[k]} in
    -f | --file) k=$((k + 1)) ;;
    edit | add) [ "$dialogue" = 1 ] && dialogue=console ;;
    --link | --unlink | --name) dialogue=0 ;;
    *) [ "$dialogue" = console ] || dialogue=0 ;;
    esac
done
[ "$dialogue" = console ] && dialogue=1
if [ "$line_ends" = crlf ] && [ "$dialogue" = 1 ]; then
    perl -0777 -ne 'exit(/(?<!\r)\n/ ? 0 : 1)' "$scratch/stdout" &&
        fail "a line of the dialogue ends in a bare LF, not in the console's CR LF"
    perl -0777 -pe 's/\r\n/\n/g' "$scratch/stdout" >"$scratch/stdout.lf"
    mv "$scratch/stdout.lf" "$scratch/stdout"
fi

if ! cmp -s "$case_dir/stdout.txt" "$scratch/stdout"; then
    fail "standard output differs (expected, then actual):"
    diff <(cat -A "$case_dir/stdout.txt") <(cat -A "$scratch/stdout") | head -40
fi

if [ -f "$case_dir/datafile_after.txt" ]; then
    cmp -s "$case_dir/datafile_after.txt" "$work/$data" ||
        fail "data file differs from datafile_after.txt: $(cat -A "$work/$data" 2>&1 | head -5)"
elif [ -f "$case_dir/setup.sh" ]; then
    :
elif [ -f "$case_dir/datafile.txt" ]; then
    cmp -s "$case_dir/datafile.txt" "$work/$data" || fail "data file was changed"
else
    [ ! -e "$work/$data" ] || fail "a data file was written: $(cat -A "$work/$data" | head -5)"
fi

if [ -f "$case_dir/backup_after.txt" ]; then
    cmp -s "$case_dir/backup_after.txt" "$work/$data.bak" ||
        fail "backup differs from backup_after.txt: $(cat -A "$work/$data.bak" 2>&1 | head -5)"
elif [ ! -f "$case_dir/setup.sh" ] && [ -e "$work/$data.bak" ]; then
    fail "a backup was written: $(cat -A "$work/$data.bak" | head -5)"
fi

if [ -f "$case_dir/check.sh" ]; then
    (cd "$work" && bash "$case_dir/check.sh") || fail "check.sh failed"
fi

leftovers=$(cd "$work" && find . -mindepth 1 -name ".$data.*")
[ -z "$leftovers" ] || fail "temporary files left behind: $leftovers"

exit "$failed"
