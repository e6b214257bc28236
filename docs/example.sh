#!/usr/bin/env bash
# Remakes docs/example.svg, the picture in the README: data-input 2 of the
# example data file, the cycle of six nodes, drawn by ugraph itself through
# Graphviz's library, in circo's layout, as a ring.
#
#   bash docs/example.sh [ugraph]     (default build/app/ugraph)
set -euo pipefail
cd "$(dirname "$0")/.."
ugraph=${1:-build/app/ugraph}
"$ugraph" export 2 --to svg --layout circo -f examples/GraphDataFile2.txt -o docs/example.svg
