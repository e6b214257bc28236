#!/usr/bin/env bash
# The TikZ of the Petersen graph compiles with pdflatex, as the pictures of a
# plain article document and as a whole document of its own (--standalone).
#
#   tikz_pdflatex.sh <ugraph>
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
if ! command -v pdflatex >/dev/null || ! kpsewhich tikz.sty >/dev/null; then
    echo "SKIP: pdflatex with TikZ is not installed (texlive-latex-base, texlive-pictures)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

echo IheA@GUAo | "$binary" convert --from graph6 --to tikz --name 'Petersen_#1' > picture.tex ||
    fail "convert --to tikz"
printf '%s\n' '\documentclass{article}' '\usepackage{tikz}' '\begin{document}' \
    '\input{picture.tex}' '\end{document}' > paper.tex
pdflatex -interaction=nonstopmode -halt-on-error paper.tex > paper.out 2>&1 ||
    { fail "the picture in an article"; tail -20 paper.out; }
head -c 5 paper.pdf 2>/dev/null | grep -q '%PDF-' || fail "paper.pdf is a PDF"

echo IheA@GUAo | "$binary" convert --from graph6 --to tikz --standalone --layout circo \
    > whole.tex || fail "convert --to tikz --standalone"
pdflatex -interaction=nonstopmode -halt-on-error whole.tex > whole.out 2>&1 ||
    { fail "the standalone document"; tail -20 whole.out; }
[ "$(grep -c '\\node\[vertex\]' whole.tex)" = 10 ] || fail "one node command per node"
[ "$(grep -c '\\draw (n' whole.tex)" = 15 ] || fail "one draw command per link"
exit $((failures > 0))
