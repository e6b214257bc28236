#include "interchange/format.hpp"

#include <gtest/gtest.h>

#include "import_helpers.hpp"

namespace ugraph {
namespace {

// The graph6 and sparse6 lines are nauty's (amtog).
TEST(Format, WritesTheSameGraphInEachFormat) {
    EXPECT_EQ(format_named("adjlist"), Format::adjlist);
    // Any case, and nauty's short names; nothing else near them.
    EXPECT_EQ(format_named("Graph6"), Format::graph6);
    EXPECT_EQ(format_named("S6"), Format::sparse6);
    EXPECT_EQ(format_named("graph"), std::nullopt);
    EXPECT_EQ(format_named("g6x"), std::nullopt);
    const UGraph graph = graph_of(4, "P", {{1, 2}, {2, 4}});
    const std::pair<Format, std::string> cases[] = {
        {Format::graph6, "Ca\n"},
        {Format::sparse6, ":CfN\n"},
        {Format::dot, "graph \"P\" {\n  layout=neato;\n  1 -- 2;\n  2 -- 4;\n  1; 2; 3; 4;\n}\n"},
        {Format::edgelist, "1 2\n2 4\n"},
        {Format::adjlist, "1 2\n2 4\n3\n4\n"},
    };
    for (const auto& [format, text] : cases) {
        std::string out;
        EXPECT_TRUE(append_in_format(format, graph, out).ok());
        EXPECT_EQ(out, text);
    }
}

// The writers index tables by node: a node count beyond MAX_NODES is written
// as MAX_NODES, and a link above the node count raises the nodes written.
TEST(Format, WritesOnlyTheNodesAUgraphHolds) {
    const std::pair<UGraph, std::string> cases[] = {
        {graph_of(51, "", {{50, 1}}), "50 vertices"},
        {graph_of(3, "", {{1, 4}, {1, 2}, {1, 2}}), "4 vertices"},
    };
    for (const auto& [graph, expected] : cases) {
        std::string out;
        EXPECT_TRUE(append_in_format(Format::adjlist, graph, out).ok());
        EXPECT_EQ(list_outcome(out, Format::adjlist).substr(3),
                  expected + " " + (expected == "50 vertices" ? "1-50" : "1-2 1-4"));
    }
}

// The command line's choices and help come from the table: every format is
// written, and each one read has a reader of the shape it needs.
TEST(Format, TableKnowsEachFormatOnce) {
    for (const FormatRow& row : format_table()) {
        EXPECT_EQ(format_named(row.name), row.format);
        EXPECT_EQ(&format_row(row.format), &row);
        EXPECT_NE(row.write, nullptr);
        // A format read a line a graph is written a line a graph, from its links.
        EXPECT_EQ(row.write_line_graph != nullptr, row.read_line_graph != nullptr);
        // What draws a graph is written only, as DOT is.
        EXPECT_EQ(is_read(row.format), row.format != Format::dot && !is_picture(row.format));
        EXPECT_EQ(is_read(row.format), row.read_line_graph != nullptr ||
                                           row.read_list_line != nullptr ||
                                           row.read_document != nullptr);
        if (row.read_list_line != nullptr || row.format == Format::gml) {
            EXPECT_FALSE(holds_several_graphs(row.format));  // a list is one graph, as is GML
        } else if (row.read_line_graph != nullptr || row.read_document != nullptr) {
            EXPECT_TRUE(holds_several_graphs(row.format));
        }
    }
}

}  // namespace
}  // namespace ugraph
