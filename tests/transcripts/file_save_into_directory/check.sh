# The folder and what it holds are untouched, and nothing lies beside it.
set -e
[ -d GraphDataFile2.txt ] && [ ! -L GraphDataFile2.txt ]
[ "$(ls -A GraphDataFile2.txt)" = notes.txt ]
[ "$(cat GraphDataFile2.txt/notes.txt)" = "keep me" ]
[ "$(ls -A .)" = GraphDataFile2.txt ]
