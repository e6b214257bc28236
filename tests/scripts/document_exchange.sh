#!/usr/bin/env bash
# GraphML and GML cross to and from NetworkX and igraph as the same graphs,
# checked up to isomorphism with nauty-labelg;
# tests/programs/document_exchange.py does the work.
#
#   document_exchange.sh <ugraph>
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
python=/usr/bin/python3
helper=$(cd "$(dirname "$0")/../programs" && pwd)/document_exchange.py
if [ ! -x "$python" ]; then
    echo "SKIP: $python is not installed"
    exit 77
fi
if ! missing=$("$python" -c 'import networkx, igraph' 2>&1); then
    echo "SKIP: $python cannot import networkx and igraph (python3-networkx, python3-igraph): ${missing##*$'\n'}"
    exit 77
fi
if ! command -v nauty-labelg >/dev/null; then
    echo "SKIP: nauty-labelg is not installed (nauty)"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$python" "$helper" "$binary" "$scratch"
