#!/usr/bin/env bash
# Graphs cross to and from NetworkX in graph6, sparse6, edge lists,
# adjacency lists and DOT with their links, and their nodes where the format
# names them; tests/programs/networkx_exchange.py does the work.
#
#   networkx_exchange.sh <ugraph>
#
# Debian's own Python is the one that sees python3-networkx and
# python3-pydot; another python3 first on PATH may not.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
python=/usr/bin/python3
helper=$(cd "$(dirname "$0")/../programs" && pwd)/networkx_exchange.py
if [ ! -x "$python" ]; then
    echo "SKIP: $python is not installed"
    exit 77
fi
if ! missing=$("$python" -c 'import networkx, pydot' 2>&1); then
    echo "SKIP: $python cannot import networkx and pydot (python3-networkx, python3-pydot): ${missing##*$'\n'}"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$python" "$helper" "$binary" "$scratch"
