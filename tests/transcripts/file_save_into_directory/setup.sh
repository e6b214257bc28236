# The data file's name is taken by a folder that holds a file of its own.
mkdir GraphDataFile2.txt
printf 'keep me' > GraphDataFile2.txt/notes.txt
