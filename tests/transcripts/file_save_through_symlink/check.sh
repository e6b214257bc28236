# Still the same link; its target holds the saved graph and nothing else,
# the content it replaced is kept beside the target, and no temporary file
# was left in either folder.
set -e
[ -L GraphDataFile2.txt ]
[ "$(readlink GraphDataFile2.txt)" = store/graphs.txt ]
printf '[U "Linked", (1),2, (2)]' | cmp - store/graphs.txt
printf '[U "Linked", (2),1]' | cmp - store/graphs.txt.bak
[ "$(ls -A store | tr '\n' ' ')" = "graphs.txt graphs.txt.bak " ]
[ "$(ls -A . | tr '\n' ' ')" = "GraphDataFile2.txt store " ]
