#!/usr/bin/env bash
# Rebuilds the seed corpora of the fuzz targets:
#
#   bash fuzz/make_corpus.sh
#
# A seed is the typed answers, then "@@@@" and the data file's bytes (no
# separator: no data file). fuzz_dialogue gets every transcript case whole
# and the sessions below; fuzz_load gets the answers after a leading "F" of
# each transcript case and the sample files below, each with the answers that
# reach its interesting part. The files named by a hash are inputs the fuzzer
# found that reach code no seed reaches; they are not touched here. To add
# more after a long run (a crash fixed first), keep only new edges:
#
#   build/fuzz/fuzz/fuzz_load -merge=1 -use_counters=0 fuzz/corpus/fuzz_load <run's corpus>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
transcripts=$here/../tests/transcripts
load=$here/corpus/fuzz_load
dialogue=$here/corpus/fuzz_dialogue
mkdir -p "$load" "$dialogue"
rm -f "$load"/seed-* "$dialogue"/seed-*

# seed <folder> <name> <typed answers> [<data file bytes>]
seed() {
    if [ $# -ge 4 ]; then
        printf '%s@@@@%s' "$3" "$4" >"$1/seed-$2"
    else
        printf '%s' "$3" >"$1/seed-$2"
    fi
}

for case_dir in "$transcripts"/*/; do
    [ -f "$case_dir/stdin.txt" ] || continue
    name=transcript-$(basename "$case_dir")
    typed=$(cat "$case_dir/stdin.txt"; printf x)
    typed=${typed%x}
    if [ -f "$case_dir/datafile.txt" ]; then
        file=$(cat "$case_dir/datafile.txt"; printf x)
        seed "$dialogue" "$name" "$typed" "${file%x}"
    else
        seed "$dialogue" "$name" "$typed"
    fi
    case $typed in
        [Ff]?*) [ -f "$case_dir/datafile.txt" ] && seed "$load" "$name" "${typed:2}" "${file%x}" ;;
    esac
done

example=$'Test graphs\n[U "Ugraph", (1),2,4, (2),3, (3),4, (4), (5)]\n[D "Ugraph", (1),2]\n'
two_digits='[U "Ugraph", (1),10, (2), (3), (4), (5), (6), (7), (8), (9), (10)]'
many=$(printf '2,%.0s' $(seq 624))
long_filler=$(printf ' %.0s' $(seq 2500))
# 624 links among nodes 2..50 leave room for the editor to pass MAX_LINKS.
dense='[U "dense"'
links=0
for i in $(seq 2 50); do
    dense+=", ($i)"
    for j in $(seq $((i + 1)) 50); do
        [ $links -lt 624 ] && dense+=",$j" && links=$((links + 1))
    done
done
dense+=']'

seed "$load" example-1 $'1\n' "$example"
seed "$load" example-other-marker $'2\n' "$example"
seed "$load" example-out-of-range $'3\nx\n0\n' "$example"
seed "$load" no-digits-first $'abc\n1\n' "$example"
seed "$load" lower-u $'1\n' '[u "low", (1),2]'
seed "$load" list-texts $'1\n' '[U "lists", (1)2 3 (2),3,0, (3),4 ,, (4)]'
seed "$load" two-digits $'1\n' "$two_digits"
seed "$load" text-mode $'2\n' $'free\r\n[U "cr", (1),2]\r\n[U "b",\r\n (2),3]\x1a[U "gone", (1),3]'
seed "$load" stray-bracket $'2\n' 'text ] more [U "s", (1),2] [U "t", (2),3]'
seed "$load" back-to-back $'2\n' '[U "a", (1),2][U "b", (1),3]'
seed "$load" unclosed $'1\n' '[U "open", (1),2'
seed "$load" line-end-in-groups $'1\n' $'[U "bad", (1),2\n,3]'
seed "$load" line-end-in-name $'1\n' $'[U "two\nlines", (1),2]'
seed "$load" zero-then-more $'1\n' '[U "z", (1),0,2]'
seed "$load" hash $'1\n' '[U "h", (1),#2]'
seed "$load" node-51 $'1\n' '[U "big", (1),51]'
seed "$load" long-name $'1\n' '[U "sixteen chars xy", (1),2]'
seed "$load" no-header $'1\n' '[U "noheader"]'
seed "$load" bad-headers $'1\n2\n3\n4\n' '[U "a", (x)] [U "b", ()] [U "c", (1] [U "d, (1),2]'
seed "$load" zeros-and-above $'1\n' '[U "zeros", (001),007, (4),7]'
seed "$load" self-loop $'1\n' '[U "loop", (1),1,2]'
seed "$load" no-link $'1\n' '[U "alone", (1), (2)]'
seed "$load" many-624 $'1\n' "[U \"m\", (1)${many}3]"
seed "$load" many-625 $'1\n' "[U \"m\", (1)${many}3,4]"
seed "$load" too-long $'1\n' "[U \"long\"${long_filler}, (1),2]"
seed "$load" dense $'1\n' "$dense"
seed "$load" no-data-input $'5\n0\n' 'free text only'
seed "$load" no-file $'1\n'

triangle=$'K\nTriangle\n4\n2 3\n3\n4\n\nN\n\n\n'
keyed_links=''
for j in $(seq 15); do keyed_links+="$(seq -s ' ' 50)"$'\n'; done
seed "$dialogue" keyboard "$triangle"
seed "$dialogue" keyboard-over-file "$triangle" "$example"
seed "$dialogue" keyboard-refusals $'X\nK\nna"me\nok]\nok\nabc\n99\n3\n1 2 3 51 0\n,3\n1\nY\n1\n2\n-1\nnew name\n-1\nbad"\n5\n2\n2 3 9\n0\nN\n\n\n'
seed "$dialogue" keyboard-negative $'k\nneg\n-3\nN\n\n\n'
seed "$dialogue" keyboard-zero $'K\nzero\n0\ny\n1\n0\nN\n\n\n'
seed "$dialogue" keyboard-above-n $'K\nabove\n2\n7\n\nN\n\n\n'
seed "$dialogue" keyboard-too-many $'K\nfull\n15\n'"${keyed_links}"$'N\n\n\n'
seed "$dialogue" keyboard-ends-early $'K\nshort\n5\n2\n'
# Names the data file cannot read back: a Ctrl-Z ends the file for the
# loader, a carriage return is dropped by it.
seed "$dialogue" keyboard-name-ctrl-z $'K\nab\x1a\nab\n2\n2\n\nN\n\n\n'
seed "$dialogue" editor-name-cr $'K\nab\n2\n2\n\nY\n-1\nnew\r\n-1\nnew\n0\nN\n\n\n'
seed "$dialogue" file-edit $'F\n1\nY\n3\n4 5\n-1\nRenamed\nx\n0\nY\n0\nN\n\n\n' "$example"
seed "$dialogue" file-abort $'F\n0\n\n' "$example"
seed "$dialogue" file-other-marker $'f\n2\n\n' "$example"
seed "$dialogue" file-no-link $'F\n1\n\n' '[U "alone", (1), (2)]'
seed "$dialogue" file-missing $'F\n1\n\n'
seed "$dialogue" file-dense-edit $'F\n1\nY\n1\n'"$(seq -s ' ' 2 50)"$'\n0\nN\n\n\n' "$dense"
seed "$dialogue" file-two-digits $'F\n1\nY\n10\n\n2\n10 3\n0\nN\n\n\n' "$two_digits"
