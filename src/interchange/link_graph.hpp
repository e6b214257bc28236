#pragma once
// LinkGraph: a graph as it crosses to and from other programs.
//
// Vertices are numbered 1..vertices, the Ugraph's own numbering. Each link
// is held once as (a, b) with a <= b, the list ascending with no repeats;
// a == b is a self-loop. Readers give graphs in this form and writers expect
// it: vertices at most MAX_NODES and every link end within 1..vertices.
#include <utility>
#include <vector>

namespace ugraph {

struct LinkGraph {
    int vertices = 0;
    std::vector<std::pair<int, int>> links;
};

}  // namespace ugraph
