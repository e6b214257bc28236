#include "invariants/canonical.hpp"

#include <array>

#include "interchange/graph6.hpp"

// nauty's dense graphs of up to 64 vertices fit one setword (m = 1) when
// its words are 64 bits wide, which pkg-config's libnauty is, and the one
// the Windows build compiles too.
#define WORDSIZE 64
#define MAXN 0
#include <nauty.h>

namespace ugraph {

namespace {

static_assert(sizeof(setword) == sizeof(VertexSet));

// nauty calls its level hook without a context: the product being built
// is the thread's own, so that two threads may label at once.
thread_local BigNatural* group_order = nullptr;

void multiply_level(int* /*lab*/, int* /*ptn*/, int /*level*/, int* /*orbits*/, statsblk* /*stats*/,
                    int /*tv*/, int index, int /*tcellsize*/, int /*numcells*/, int /*childcount*/,
                    int /*n*/) {
    if (group_order != nullptr) {
        group_order->multiply(static_cast<std::uint32_t>(index));
    }
}

// nauty numbers the bits of a setword from its top: its element v is this
// program's bit 63 - v, one reversal of the row.
setword reversed(VertexSet row) {
    setword out = 0;
    for (; row != 0; row &= row - 1) {
        out |= setword{1} << (63 - lowest(row));
    }
    return out;
}

std::array<setword, 64> nauty_rows(const DenseGraph& graph) {
    std::array<setword, 64> rows{};
    for (int v = 0; v < graph.n; ++v) {
        rows[v] = reversed(graph.rows[v]);
    }
    return rows;
}

std::string graph6_of(const std::array<setword, 64>& rows, int n) {
    LinkSet links;
    for (int v = 0; v < n; ++v) {
        for (int w = v + 1; w < n; ++w) {
            if ((rows[v] & (setword{1} << (63 - w))) != 0) {
                links.add(v + 1, w + 1);
            }
        }
    }
    std::string line;
    (void)append_graph6(links, n, line);  // no self-loops: never refused
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    return line;
}

// One run of densenauty: the canonical rows of `graph` into `canon`, and
// the number of orbits.
int label(const DenseGraph& graph, std::array<setword, 64>& canon, BigNatural* automorphisms) {
    const int n = graph.n;
    std::array<setword, 64> rows = nauty_rows(graph);
    std::array<int, 64> lab{};
    std::array<int, 64> ptn{};
    std::array<int, 64> orbits{};
    DEFAULTOPTIONS_GRAPH(options);
    options.getcanon = TRUE;
    if (automorphisms != nullptr) {
        options.userlevelproc = multiply_level;
        group_order = automorphisms;
    }
    statsblk stats;
    densenauty(rows.data(), lab.data(), ptn.data(), orbits.data(), &options, &stats, 1, n,
               canon.data());
    group_order = nullptr;
    return stats.numorbits;
}

Symmetry run_nauty(const DenseGraph& graph, bool count_group) {
    Symmetry found;
    if (graph.n == 0) {
        return found;
    }
    std::array<setword, 64> canon{};
    found.orbits = label(graph, canon, count_group ? &found.automorphisms : nullptr);
    found.canonical = graph6_of(canon, graph.n);
    return found;
}

}  // namespace

Symmetry symmetry(const DenseGraph& graph) { return run_nauty(graph, true); }

std::string canonical_graph6(const DenseGraph& graph) { return run_nauty(graph, false).canonical; }

DenseGraph canonical_form(const DenseGraph& graph) {
    DenseGraph form;
    form.n = graph.n;
    if (graph.n == 0) {
        return form;
    }
    std::array<setword, 64> canon{};
    (void)label(graph, canon, nullptr);
    for (int v = 0; v < graph.n; ++v) {
        // The reversal is its own inverse: back to this program's bit order.
        form.rows[v] = reversed(canon[v]);
    }
    return form;
}

void release_nauty_space() {
    nauty_freedyn();
    nautil_freedyn();
    naugraph_freedyn();
}

}  // namespace ugraph
