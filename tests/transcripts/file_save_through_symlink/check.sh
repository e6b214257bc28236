# Still the same link; its target holds the saved graph and nothing else,
# and no temporary file was left in either folder.
set -e
[ -L GraphDataFile2.txt ]
[ "$(readlink GraphDataFile2.txt)" = store/graphs.txt ]
printf '[U "Linked", (1),2, (2)]' | cmp - store/graphs.txt
[ "$(ls -A store)" = graphs.txt ]
[ "$(ls -A . | tr '\n' ' ')" = "GraphDataFile2.txt store " ]
