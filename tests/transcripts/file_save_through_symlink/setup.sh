# The data file is a link to a file kept in another folder.
mkdir store
printf '[U "Linked", (2),1]' > store/graphs.txt
ln -s store/graphs.txt GraphDataFile2.txt
