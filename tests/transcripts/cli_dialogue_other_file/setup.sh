# The graphs are kept in a file of another name, in another folder.
mkdir store
printf '[U "Kept", (1),2]' > store/kept.txt
