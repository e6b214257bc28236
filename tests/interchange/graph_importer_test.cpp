#include "interchange/graph_importer.hpp"

#include <gtest/gtest.h>

#include "import_helpers.hpp"

namespace ugraph {
namespace {

// NetworkX writes the header before each graph it writes; nauty before the
// first line only. Blank lines are skipped but counted, and a refused line
// does not stop the lines after it.
TEST(GraphImporter, ReadsAGraphALineInGraph6AndSparse6) {
    EXPECT_EQ(outcomes(">>graph6<<DQc\r\n\n>>graph6<<A_\nA?\n  \nDQ\n@", Format::graph6),
              (std::vector<std::string>{
                  "1: 5 vertices 1-3 1-5 2-4 4-5", "3: 2 vertices 1-2", "4: 2 vertices",
                  "6: its length is 2; graph6 for 5 vertices needs 3", "7: 1 vertices"}));
    EXPECT_EQ(outcomes(">>sparse6<<\n:Fa@x^\n>>graph6<<DQc\n:@^\n", Format::sparse6),
              (std::vector<std::string>{"2: 7 vertices 1-2 1-3 2-3 6-7",
                                        "3: it does not start with ':' as sparse6 does",
                                        "4: 1 vertices 1-1"}));
    EXPECT_EQ(outcomes(">>sparse6<<:Fa@x^\n", Format::graph6),
              (std::vector<std::string>{"1: it is sparse6, not graph6"}));
}

TEST(GraphImporter, RefusesAnOverlongLineAndReadsTheNextOne) {
    const std::string text = "DQc\n:" + std::string(200'000, 'A') + "\n:Fa@x^";
    EXPECT_EQ(
        outcomes(text, Format::sparse6),
        (std::vector<std::string>{"1: it does not start with ':' as sparse6 does",
                                  "2: the line is too long", "3: 7 vertices 1-2 1-3 2-3 6-7"}));
}

// A caller reuses one ImportedGraph: nothing of a graph may stay behind in
// the next one.
TEST(GraphImporter, LeavesNothingOfOneGraphInTheNext) {
    std::istringstream in("D~{\nDQ\nA?\n");
    GraphImporter importer(in, Format::graph6);
    ImportedGraph graph;
    ASSERT_TRUE(importer.next(graph));
    EXPECT_EQ(graph.graph.link_count(), 10);
    ASSERT_TRUE(importer.next(graph));
    EXPECT_FALSE(graph.taken);
    ASSERT_TRUE(importer.next(graph));
    EXPECT_TRUE(graph.taken);
    EXPECT_EQ(graph.graph.node_count(), 2);
    EXPECT_EQ(graph.graph.arc_count(), 0);
    EXPECT_EQ(graph.loops, 0);
    EXPECT_FALSE(importer.next(graph));
}

TEST(GraphImporter, ReadsEveryGraphOfAFileLargerThanItsBuffer) {
    std::string text;
    for (int k = 0; k < 40'000; ++k) {
        text += k % 2 == 0 ? "DQc\n" : ">>graph6<<Fw??G\r\n";
    }
    std::istringstream in(text);
    GraphImporter importer(in, Format::graph6);
    ImportedGraph graph;
    std::size_t count = 0;
    while (importer.next(graph)) {
        ASSERT_TRUE(graph.taken) << graph.line << ": " << graph.taken.reason();
        ASSERT_EQ(graph.line, ++count);
        ASSERT_EQ(graph.graph.node_count(), count % 2 == 1 ? 5 : 7);
    }
    EXPECT_EQ(count, 40'000U);
}

}  // namespace
}  // namespace ugraph
