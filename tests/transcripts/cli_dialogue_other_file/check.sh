# The other file received the graph and its backup the content it replaced;
# no GraphDataFile2.txt came into being.
set -e
printf '[U "Kept", (1),2, (2)]' | cmp - store/kept.txt
printf '[U "Kept", (1),2]' | cmp - store/kept.txt.bak
[ "$(ls -A . | tr '\n' ' ')" = "store " ]
[ "$(ls -A store | tr '\n' ' ')" = "kept.txt kept.txt.bak " ]
