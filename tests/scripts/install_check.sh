#!/usr/bin/env bash
# Installs the build tree that holds the given ugraph into a scratch prefix
# and checks the package: the program under bin/, runnable from there, the
# line editor's module under lib/ugraph/, found by the installed program at
# a terminal, GraphML's module there, which alone links pugixml, the manual
# page under share/man/man1/, rendering without a single warning, and the
# shells' completion scripts under share/.
#
#   install_check.sh <ugraph>
#
# The program sits at the top of its build tree, so no new configure is
# needed: the tree is the folder of the binary.
set -u
binary=$1
build=$(cd "$(dirname "$binary")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$build/CMakeCache.txt" ] || { echo "FAIL: $build is not a build tree"; exit 1; }
if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install $build failed"
    exit 1
fi

program=$prefix/bin/ugraph
page=$prefix/share/man/man1/ugraph.1
[ -x "$program" ] || fail "bin/ugraph is missing or not executable"
[ -f "$page" ] || fail "share/man/man1/ugraph.1 is missing"
# The completion scripts, where bash-completion, zsh and fish look for them.
for script in bash-completion/completions/ugraph zsh/vendor-completions/_ugraph \
    fish/vendor_completions.d/ugraph.fish; do
    [ -s "$prefix/share/$script" ] || fail "share/$script is missing or empty"
done

if [ -x "$program" ]; then
    # K and then the end of input: the first question, and an end without
    # any file touched.
    mkdir "$scratch/run"
    first=$(cd "$scratch/run" && printf 'K\n' | timeout 10 "$program" | head -1)
    [ "$first" = "Where is the data for the Ugraph?" ] ||
        fail "the installed ugraph does not ask where the data is: '$first'"
    [ -z "$(ls -A "$scratch/run")" ] || fail "the installed ugraph left files: $(ls -A "$scratch/run")"
fi

# libedit is the module's library, never the program's own, which every
# command would pay for at its start; the installed program, run at a
# terminal, finds the module from its own path: the line editing works.
module=$(find "$prefix" -path '*/lib*/ugraph/ugraph_line_editor.so')
[ -n "$module" ] || fail "no lib/ugraph/ugraph_line_editor.so under the prefix"
if [ -x "$program" ] && [ -n "$module" ]; then
    readelf -d "$program" | grep -q 'NEEDED.*libedit' && fail "bin/ugraph itself links libedit"
    readelf -d "$module" | grep -q 'NEEDED.*libedit' || fail "the line editor's module links no libedit"
    bash "$(dirname "$0")/terminal_line_editing.sh" "$program" >"$scratch/terminal.log" 2>&1
    case $? in
        0) ;;
        77) echo "note: the terminal check is skipped: $(cat "$scratch/terminal.log")" ;;
        *) fail "the installed ugraph edits no line at a terminal:"$'\n'"$(cat "$scratch/terminal.log")" ;;
    esac
fi

# nauty's library, the planarity suite and JSON are the invariants module's
# alone; the installed program finds it for info.
engine=$(find "$prefix" -path '*/lib*/ugraph/ugraph_invariants.so')
[ -n "$engine" ] || fail "no lib/ugraph/ugraph_invariants.so under the prefix"
if [ -x "$program" ] && [ -n "$engine" ]; then
    readelf -d "$program" | grep -q 'NEEDED.*nauty' && fail "bin/ugraph itself links nauty"
    readelf -d "$engine" | grep -q 'NEEDED.*nauty' || fail "the invariants module links no nauty"
    triangle=$(printf 'Bw\n' | "$program" info --from graph6 --format tsv | cut -f 23 | tail -1)
    [ "$triangle" = Bw ] || fail "the installed ugraph's info of a triangle gives '$triangle'"
fi

# pugixml is the GraphML module's alone; the installed program finds it to
# write and read GraphML.
xml=$(find "$prefix" -path '*/lib*/ugraph/ugraph_graphml.so')
[ -n "$xml" ] || fail "no lib/ugraph/ugraph_graphml.so under the prefix"
if [ -x "$program" ] && [ -n "$xml" ]; then
    readelf -d "$program" | grep -q 'NEEDED.*pugixml' && fail "bin/ugraph itself links pugixml"
    readelf -d "$xml" | grep -q 'NEEDED.*pugixml' || fail "the GraphML module links no pugixml"
    path=$(printf 'Bg\n' | "$program" convert --from graph6 --to graphml |
        "$program" convert --from graphml --to graph6)
    [ "$path" = Bg ] || fail "the installed ugraph's GraphML of a path reads back as '$path'"
fi

if [ -f "$page" ]; then
    # Every warning groff knows is asked for; the text is kept, with its
    # overstruck bold undone, to look for the sections.
    if command -v groff >/dev/null; then
        render=(groff -man -Tutf8 -ww "$page")
    else
        render=(man -l "$page")
    fi
    MANWIDTH=80 "${render[@]}" 2>"$scratch/warnings.txt" | sed 's/.\x08//g' >"$scratch/page.txt"
    if [ -s "$scratch/warnings.txt" ]; then
        fail "the manual page renders with warnings:"
        cat "$scratch/warnings.txt"
    fi
    for section in NAME SYNOPSIS DESCRIPTION FILES "EXIT STATUS"; do
        grep -q "^$section\$" "$scratch/page.txt" ||
            fail "the rendered page has no $section section"
    done
fi

[ "$failed" -eq 0 ] && echo "install check passed: bin/ugraph, lib/ugraph/ugraph_line_editor.so and share/man/man1/ugraph.1"
exit "$failed"
