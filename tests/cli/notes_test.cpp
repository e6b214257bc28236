#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {

struct Case {
    std::vector<const char*> args;
    std::string typed;  // standard input: the graphs, or with -f - the data file
    std::string printed;
    std::string told;
    int status = 0;
};

// What import, export and convert change on the way is told on standard
// error, one line each, and leaves the exit status as it is; a refusal is
// told with its line and makes it 1.
TEST(Notes, TellWhatChangedOnTheWay) {
    const std::vector<Case> cases = {
        {{"import", "--from", "edgelist"},
         "10 20\n",
         "[U \"graph\", (1), (2), (3), (4), (5), (6), (7), (8), (9), (10),20, (11), (12), (13), "
         "(14), (15), (16), (17), (18), (19), (20)]\n",
         "ugraph: line 1 of standard input: 18 isolated nodes added, so that the labels run "
         "from 1 to 20 without a gap\n"},
        // An adjacency list names its isolated nodes: nothing is added.
        {{"import", "--from", "adjlist", "--name", "a"},
         "1 3\n2\n3\n",
         "[U \"a\", (1),3, (2), (3)]\n",
         ""},
        {{"import", "--from", "edgelist", "--name", "loops"},
         "1 2\n2 3\n# a comment\n3 3\n1 1\n3 3\n",
         "[U \"loops\", (1),2, (2),3, (3)]\n",
         "ugraph: lines 4 and 5 of standard input: 2 self-loops dropped, since a data-input "
         "cannot hold them\n"},
        {{"import", "--from", "edgelist"},
         "0 1\n1 2\n",
         "",
         "ugraph: line 1 of standard input: label 0 is out of range 1..50; --base 0 reads "
         "labels from 0\n",
         1},
        // A name that ends in a digit is parted from the graph's number.
        {{"import", "--from", "graph6", "--name", "g5"},
         "A_\nA?\n",
         "[U \"g5-1\", (1),2, (2)]\n[U \"g5-2\", (1), (2)]\n",
         ""},
        {{"import", "--from", "graph6", "--name", "a_very_long_name"},
         "A_\nA?\n",
         "[U \"a_very_long_na1\", (1),2, (2)]\n[U \"a_very_long_na2\", (1), (2)]\n",
         "ugraph: line 1 of standard input: names are cut to 15 characters, as in "
         "'a_very_long_na1'\n"},
        {{"export", "1", "--to", "edgelist", "-f", "-"},
         "[U \"t\", (1),3, (4)]",
         "1 3\n",
         "ugraph: data-input 1: 2 isolated nodes not written, as an edgelist cannot hold them\n"},
        {{"export", "1", "--to", "adjlist", "--base", "0", "-f", "-"},
         "[U \"t\", (1),3, (4)]",
         "0 2\n1\n2\n3\n",
         ""},
        {{"export", "1", "--to", "edgelist", "--base", "0", "-f", "-"},
         "[U \"t\", (1),3, (3),4]",
         "0 2\n2 3\n",
         "ugraph: data-input 1: 1 isolated node not written, as an edgelist cannot hold them\n"},
        // No data-input between: the nodes an edge list added are the ones
        // it cannot write, and a self-loop stays where the format holds it.
        {{"convert", "--from", "edgelist", "--to", "edgelist"}, "10 20\n", "10 20\n", ""},
        {{"convert", "--from", "edgelist", "--to", "adjlist", "--base", "0"},
         "3 4\n",
         "0\n1\n2\n3 4\n4\n",
         "ugraph: line 1 of standard input: 3 isolated nodes added, so that the labels run "
         "from 0 to 4 without a gap\n"},
        {{"convert", "--from", "edgelist", "--to", "sparse6"}, "1 1\n1 2\n", ":AJ\n", ""},
        {{"convert", "--from", "edgelist", "--to", "graph6"},
         "1 1\n1 2\n",
         "",
         "ugraph: line 1 of standard input: the graph cannot be written as graph6: graph6 cannot "
         "hold the self-loop at node 1\n",
         1},
        {{"convert", "--from", "graph6", "--to", "dot", "--name", "Pair"},
         "A_\n",
         "graph \"Pair\" {\n  layout=neato;\n  1 -- 2;\n  1; 2;\n}\n",
         ""},
        {{"convert", "--from", "graph6", "--to", "edgelist"},
         "A_\nA_\n",
         "",
         "ugraph: standard input holds more than one graph, and an edgelist holds one; convert "
         "them one by one (see 'ugraph convert --help')\n",
         2},
    };
    for (const Case& c : cases) {
        std::vector<const char*> args = c.args;
        args.insert(args.begin(), "ugraph");
        std::istringstream in(c.typed);
        std::ostringstream out;
        std::ostringstream err;
        const int status = run_in_context(args, in, out, err);
        EXPECT_EQ(status, c.status) << c.typed;
        EXPECT_EQ(out.str(), c.printed) << c.typed;
        EXPECT_EQ(err.str(), c.told) << c.typed;
    }
}

}  // namespace
}  // namespace ugraph
