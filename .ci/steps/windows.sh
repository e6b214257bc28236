#!/usr/bin/env bash
# Windows: installs mingw-w64 and Wine (the setup group 'windows', which the
# README's test line does not pull in), prepares the Wine prefix, then the
# windows workflow: ugraph.exe cross-built, every unit test, transcript,
# fuzz corpus replay and command script that applies run under Wine
# (tests/wine_skips.cmake lists the rest, with reasons), and the zip; then
# clang-tidy on the Windows sources. Last, the zip is checked: it holds what
# a Windows user needs, and the ugraph.exe it holds runs. Each part prints
# how long it took.
set -euo pipefail
cd "$(dirname "$0")/../.."
export WINEDEBUG=-all

timed() {
    local start=$SECONDS
    "$@"
    echo "== ($((SECONDS - start)) s: $*)"
}

timed bash .ci/setup windows

# The first run in a new prefix makes it, printing lines on standard error
# even with WINEDEBUG=-all; a transcript would take them for ugraph's.
prepare_prefix() { wineboot -i 2>&1 | tail -3; }
timed prepare_prefix

timed cmake --workflow --preset windows

# clang-tidy on the Windows sides, which the Linux style step cannot see:
# clang parses them for mingw's target, through mingw's C++ and Win32
# headers (not GCC's own intrinsics, which clang has itself).
tidy_windows_sources() {
    local folder args=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++)
    while read -r folder; do
        args+=("--extra-arg=-isystem$folder")
    done < <(echo | x86_64-w64-mingw32-g++-posix -xc++ -E -v - 2>&1 |
        sed -n '/#include <...> search/,/End of search/p' | grep '^ /.*/c++' | sed 's/^ //')
    args+=(--extra-arg=-isystem/usr/x86_64-w64-mingw32/include)
    git ls-files '*.cpp' | grep '/windows/' |
        xargs -P2 -n2 clang-tidy -p build/windows --quiet "${args[@]}"
}
timed tidy_windows_sources

# In a subshell of its own, whose exit removes the scratch folder.
check_zip() (
    local zip scratch listed
    zip=$(ls build/windows/package/ugraph-*-win64.zip)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    (cd "$scratch" && cmake -E tar xf "$OLDPWD/$zip")
    listed=$(cd "$scratch" && find . -type f | sort | tr '\n' ' ')
    echo "$zip: $listed"
    local folder=$scratch/$(basename "$zip" .zip)
    for file in ugraph.exe README.md GraphDataFile2.txt ugraph.txt licenses/nauty.txt \
                licenses/planarity.txt; do
        [ -s "$folder/$file" ] || { echo "FAIL: the zip lacks $file"; return 1; }
    done
    grep -q 'ugraph' "$folder/ugraph.txt" || { echo "FAIL: ugraph.txt is no manual"; return 1; }
    # The program runs alone, without mingw's DLLs beside it.
    (cd "$folder" && wine ugraph.exe list) | grep -q '"Path"' ||
        { echo "FAIL: the zip's ugraph.exe does not list its example"; return 1; }
    # The invariants engine is linked in: a triangle's canonical line is Bw.
    (cd "$folder" && printf 'Bw\n' >triangle.g6 && wine ugraph.exe info --from graph6 triangle.g6) |
        grep -q 'Bw$' || { echo "FAIL: the zip's ugraph.exe has no invariants engine"; return 1; }
)
timed check_zip
