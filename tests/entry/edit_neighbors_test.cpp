#include "entry/edit_neighbors.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "graph/normalize_arcs.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

const Links T = {{1, 2}, {1, 3}, {2, 3}, {3, 4}};  // a triangle with node 4 hung on node 3

// A graph of the links on nodes 1..n, canonical as the editor gets it, after
// one editing pass over the typed text and the normalisation that follows it
// (no pass without text); arcs() gives slots 0 to the terminator.
struct Edited : UGraph {
    Edited(const Links& links, int n, const char* typed = nullptr)
        : UGraph(graph_of(n, "", links)), in(typed ? typed : "") {
        if (typed != nullptr) {
            edit_neighbors(console, *this);
            normalize_arcs(*this);
        }
    }
    Links arcs() const {
        Links slots;
        for (int k = 0; k <= arc_from[0] + 1; ++k) {
            slots.emplace_back(arc_from[k], arc_to[k]);
        }
        return slots;
    }
    bool said(const std::string& text) const { return out.str().find(text) != std::string::npos; }
    std::istringstream in;
    std::ostringstream out;
    Console console{in, out};
};

TEST(EditNeighbors, ACorrectionLineDecidesTheLinksToHigherNodes) {
    const Links t_2_4 = {{1, 2}, {1, 3}, {2, 3}, {2, 4}, {3, 4}};
    const struct {
        Links links;
        int n;
        const char* typed;
        Links result;
        const char* said;
    } cases[] = {
        {T, 4, "1\n2 4\n", {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {3, 4}}, "(1) are:  2,3,\n"},
        {T, 4, "1\n2 4\n3\n4\n0\n", {{1, 2}, {1, 4}, {2, 3}, {3, 4}}, "(3) are:  1,2,4,\n"},
        {{{1, 2}, {2, 5}}, 2, "2\n\n0\n", {{1, 2}}, ""},  // 5 is beyond n; 1-2 stays via row 1
        {{{1, 2}, {2, 2}}, 3, "1\n3\n0\n", {{1, 2}, {1, 3}, {2, 2}}, ""},
        {{{1, 2}, {2, 2}}, 3, "2\n2 3\n0\n", {{1, 2}, {2, 3}}, "(2) are:  1,2,\n"},
        // input ends at the second correction line: the row keeps the first one
        {{{1, 2}}, 4, "2\n1 3 3 5 4\n2\n", {{1, 2}, {2, 3}, {2, 4}}, "(2) are:  3,3,4,\n"},
        {T, 4, "2 3 4\n0\n", t_2_4, ""},
        {T, 4, "2\n3\nx 4\n0\n", t_2_4, "(2) are:  3,\n"},  // "x" leaves k at 2
        {T, 4, "x\n0\n", T, "Error: that answer held no node number\n"},
        {T, 4, "5\nx\n0\n", T, "Error: there is no node 5 in this Ugraph\n"},
        {T, 4, "9 1 4\n0\n", T, "Error: there is no node 9 in this Ugraph\n"},
        {{}, 0, "x\n0\n", {}, "between 1 and 0\n"},
    };
    for (const auto& c : cases) {
        const Edited pass(c.links, c.n, c.typed);
        EXPECT_EQ(pass.arcs(), Edited(c.result, c.n).arcs()) << c.typed;
        EXPECT_TRUE(pass.said(c.said)) << c.typed << pass.out.str();
    }
    // any negative answer renames, to the first 15 characters; a mistyped
    // answer renames again, with the rest of its line
    EXPECT_EQ(name_text(Edited(T, 4, "-7\nabcdefghijklmnopqrst\n").name), "abcdefghijklmno");
    EXPECT_EQ(name_text(Edited(T, 4, "-1\nab\nx cd\n-1\n").name), " cd");
}

TEST(EditNeighbors, KeepsRepeatsWhileARowHasRoomAndRefusesAPassBeyond624Links) {
    // 60 repeats of 2 and then every other higher node: node 1 gets all 49
    // links without a word, the repeats giving way once the row is full.
    std::string line = "1\n";
    for (int k = 0; k < 60; ++k) {
        line += "2 ";
    }
    Links links;
    for (int a = 1; a <= 50; ++a) {
        if (a > 2) {
            line += std::to_string(a) + ' ';
        }
        for (int b = a + 1; b <= 50 && links.size() < 624; ++b) {
            links.emplace_back(a, b);
        }
    }
    links.emplace_back(50, 50);  // 1249 arcs, the most a pass may leave
    const Edited row({}, 50, (line + "\n0\n").c_str());
    EXPECT_FALSE(row.said("Error"));
    EXPECT_EQ(row.arc_count(), 98);
    EXPECT_FALSE(Edited(links, 50, "0\n").said("Error"));
    const Edited over(links, 50, "-1\nbig\n49\n50\n0\n");
    EXPECT_TRUE(
        over.said("Error: a Ugraph holds at most 624 links; the neighbor corrections of "
                  "this pass were not taken\n"));
    EXPECT_EQ(over.arcs(), Edited(links, 50).arcs());
    EXPECT_EQ(name_text(over.name), "big");
}

}  // namespace
}  // namespace ugraph
