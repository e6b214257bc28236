#include "invariants/measures.hpp"

#include <algorithm>

namespace ugraph {

int min_degree(const DenseGraph& graph) {
    int least = graph.n == 0 ? 0 : graph.degree(0);
    for (int v = 1; v < graph.n; ++v) {
        least = std::min(least, graph.degree(v));
    }
    return least;
}

int max_degree(const DenseGraph& graph) {
    int most = 0;
    for (int v = 0; v < graph.n; ++v) {
        most = std::max(most, graph.degree(v));
    }
    return most;
}

VertexSet reach(const DenseGraph& graph, int start, VertexSet allowed) {
    VertexSet seen = bit(start);
    VertexSet frontier = seen;
    while (frontier != 0) {
        VertexSet next = 0;
        for (VertexSet f = frontier; f != 0; f &= f - 1) {
            next |= graph.rows[lowest(f)];
        }
        frontier = next & allowed & ~seen;
        seen |= frontier;
    }
    return seen;
}

int components(const DenseGraph& graph) {
    int found = 0;
    for (VertexSet left = all_vertices(graph.n); left != 0; ++found) {
        left &= ~reach(graph, lowest(left), left);
    }
    return found;
}

namespace {

// The greatest distance from `start`, or -1 when some vertex is out of reach.
int eccentricity(const DenseGraph& graph, int start) {
    const VertexSet everyone = all_vertices(graph.n);
    VertexSet seen = bit(start);
    VertexSet frontier = seen;
    int distance = 0;
    while (seen != everyone) {
        VertexSet next = 0;
        for (VertexSet f = frontier; f != 0; f &= f - 1) {
            next |= graph.rows[lowest(f)];
        }
        frontier = next & ~seen;
        if (frontier == 0) {
            return -1;
        }
        seen |= frontier;
        ++distance;
    }
    return distance;
}

// The shortest cycle through `start`: breadth-first, a link between two
// vertices of the same or neighbouring layers closes a cycle; the first
// layer that closes one gives the shortest through any vertex it reaches.
int shortest_cycle_from(const DenseGraph& graph, int start, int known) {
    std::array<int, 64> depth{};
    std::array<int, 64> parent{};
    depth.fill(-1);
    depth[start] = 0;
    parent[start] = -1;
    std::array<int, 64> queue{};
    int head = 0;
    int tail = 0;
    queue[tail++] = start;
    int best = known;
    while (head < tail) {
        const int v = queue[head++];
        if (best != 0 && 2 * depth[v] + 1 >= best) {
            break;
        }
        for (VertexSet row = graph.rows[v]; row != 0; row &= row - 1) {
            const int w = lowest(row);
            if (depth[w] < 0) {
                depth[w] = depth[v] + 1;
                parent[w] = v;
                queue[tail++] = w;
            } else if (w != parent[v]) {
                const int length = depth[v] + depth[w] + 1;
                best = best == 0 ? length : std::min(best, length);
            }
        }
    }
    return best;
}

}  // namespace

Extent extent(const DenseGraph& graph) {
    Extent found{graph.n, 0};
    for (int v = 0; v < graph.n; ++v) {
        const int e = eccentricity(graph, v);
        if (e < 0) {
            return {};
        }
        found.radius = std::min(found.radius, e);
        found.diameter = std::max(found.diameter, e);
    }
    return found;
}

namespace {

// Two linked vertices with a neighbour in common.
bool has_triangle(const DenseGraph& graph) {
    for (int a = 0; a < graph.n; ++a) {
        for (VertexSet up = graph.rows[a] & ~all_vertices(a + 1); up != 0; up &= up - 1) {
            if ((graph.rows[a] & graph.rows[lowest(up)]) != 0) {
                return true;
            }
        }
    }
    return false;
}

// Two vertices with two neighbours in common.
bool has_square(const DenseGraph& graph) {
    for (int a = 0; a < graph.n; ++a) {
        for (int b = a + 1; b < graph.n; ++b) {
            const VertexSet common = graph.rows[a] & graph.rows[b];
            if ((common & (common - 1)) != 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int girth(const DenseGraph& graph) {
    // Most graphs close a cycle of 3 or 4, which the rows show without a
    // search; the searches are left to the graphs without either.
    if (has_triangle(graph)) {
        return 3;
    }
    if (has_square(graph)) {
        return 4;
    }
    int best = 0;
    for (int v = 0; v < graph.n && best != 3; ++v) {
        best = shortest_cycle_from(graph, v, best);
    }
    return best;
}

long triangles(const DenseGraph& graph) {
    long found = 0;
    for (int a = 0; a < graph.n; ++a) {
        // Each triangle once, at its lowest vertex, through its middle one.
        for (VertexSet up = graph.rows[a] & ~all_vertices(a + 1); up != 0; up &= up - 1) {
            const int b = lowest(up);
            found += count(graph.rows[a] & graph.rows[b] & ~all_vertices(b + 1));
        }
    }
    return found;
}

bool bipartite(const DenseGraph& graph) {
    // Two-colour each component by layers: a link inside one colour fails.
    VertexSet left = all_vertices(graph.n);
    while (left != 0) {
        VertexSet side[2] = {bit(lowest(left)), 0};
        VertexSet frontier = side[0];
        for (int colour = 1; frontier != 0; colour ^= 1) {
            VertexSet next = 0;
            for (VertexSet f = frontier; f != 0; f &= f - 1) {
                next |= graph.rows[lowest(f)];
            }
            if ((next & side[colour ^ 1]) != 0) {
                return false;
            }
            frontier = next & ~side[colour];
            side[colour] |= frontier;
        }
        left &= ~(side[0] | side[1]);
    }
    return true;
}

bool regular(const DenseGraph& graph) { return min_degree(graph) == max_degree(graph); }

bool eulerian(const DenseGraph& graph) {
    for (int v = 0; v < graph.n; ++v) {
        if (graph.degree(v) % 2 != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace ugraph
