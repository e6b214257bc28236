# What the data file scripts start with, sourced with the ugraph binary as
# $1: its full path, the data file's name, a scratch folder that is removed
# at the end, and fail, which prints a failure and marks the run failed.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=GraphDataFile2.txt
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }
