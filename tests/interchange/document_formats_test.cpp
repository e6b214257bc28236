// GraphML and GML, read whole: what other programs write reads as the same
// graph, their identifiers and names kept as ugraph numbers and names, what
// a Ugraph cannot hold reduced with a note or refused; ugraph's own text
// reads back as the graph it wrote.
#include <gtest/gtest.h>

#include <sstream>

#include "graphml/graphml_xml.hpp"
#include "import_helpers.hpp"
#include "interchange/gml.hpp"
#include "interchange/graphml.hpp"

namespace ugraph {
namespace {

struct Read {
    std::string outcome;  // as import_helpers describes it
    std::string name;
    std::vector<std::string> notes;
};

// The program opens the XML parser as a module; the tests link it.
void with_xml_parser() { install_graphml(write_graphml_xml, read_graphml_xml); }

std::vector<Read> read_all(const std::string& text, Format format) {
    with_xml_parser();
    std::istringstream in(text);
    GraphImporter importer(in, format);
    std::vector<Read> seen;
    ImportedGraph graph;
    while (importer.next(graph)) {
        seen.push_back({std::to_string(graph.line) + ": " +
                            (graph.taken ? described(graph.graph) : graph.taken.reason()),
                        graph.own_name, graph.notes});
    }
    return seen;
}

std::string graphml_of(const std::string& graphs) {
    return "<?xml version=\"1.0\"?>\n<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\">\n"
           "<key id=\"d0\" for=\"graph\" attr.name=\"name\" attr.type=\"string\"/>\n" +
           graphs + "</graphml>\n";
}

TEST(GraphML, OtherProgramsIdentifiersAndNamesAreKept) {
    const std::vector<Read> seen = read_all(
        graphml_of("<graph id=\"G\" edgedefault=\"undirected\"><data key=\"d0\">ring &amp; "
                   "co</data>\n<node id=\"n0\"/><node id=\"n1\"/><node id=\"n2\"/><node "
                   "id=\"n3\"/>\n<edge source=\"n0\" target=\"n1\"/><edge source=\"n2\" "
                   "target=\"n1\"/></graph>\n<graph edgedefault=\"undirected\"><node "
                   "id=\"1\"/><node id=\"2\"/><edge source=\"1\" target=\"2\"/></graph>\n"),
        Format::graphml);
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0].outcome, "4: 4 vertices 1-2 2-3");  // n3 is isolated, and kept
    EXPECT_EQ(seen[0].name, "ring & co");
    EXPECT_EQ(seen[0].notes,
              std::vector<std::string>{"nodes numbered 1 to 4 in file order, 'n0' as 1"});
    EXPECT_EQ(seen[1].outcome, "7: 2 vertices 1-2");
    EXPECT_TRUE(seen[1].name.empty());
    EXPECT_TRUE(seen[1].notes.empty());  // already numbered 1..n
}

TEST(GraphML, DirectedAndRepeatedEdgesAreReducedWithANote) {
    const std::vector<Read> seen =
        read_all(graphml_of("<graph edgedefault=\"directed\"><node id=\"1\"/><node id=\"2\"/>"
                            "<edge source=\"1\" target=\"2\"/><edge source=\"2\" target=\"1\"/>"
                            "<edge source=\"2\" target=\"3\" directed=\"false\"/></graph>"),
                 Format::graphml);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].outcome, "4: 3 vertices 1-2 2-3");
    EXPECT_EQ(seen[0].notes, (std::vector<std::string>{"2 directed edges read as links",
                                                       "1 repeated link merged"}));
}

TEST(GraphML, WhatAUgraphCannotHoldIsRefused) {
    std::string big;
    for (int node = 0; node <= MAX_NODES; ++node) {
        big += "<node id=\"v" + std::to_string(node) + "\"/>";
    }
    const std::vector<Read> seen = read_all(
        graphml_of("<graph edgedefault=\"undirected\"><node id=\"a\"/><hyperedge><endpoint "
                   "node=\"a\"/></hyperedge></graph>\n<graph edgedefault=\"undirected\">" +
                   big + "</graph>\n<graph edgedefault=\"undirected\"/>\n"),
        Format::graphml);
    ASSERT_EQ(seen.size(), 3U);
    EXPECT_EQ(seen[0].outcome, "4: it has hyperedges, which a Ugraph cannot hold");
    EXPECT_EQ(seen[1].outcome, "5: it has more than 50 nodes; a Ugraph holds at most 50");
    EXPECT_EQ(seen[2].outcome, "6: it has no vertices");
    EXPECT_EQ(
        read_all("<graphml><graph><node id='1'></graph></graphml>", Format::graphml)[0].outcome,
        "1: it is not well-formed XML (Start-end tags mismatch on line 1)");
    EXPECT_EQ(read_all("<graphml/>", Format::graphml)[0].outcome,
              "1: it holds no <graphml> element with a <graph>");
    EXPECT_TRUE(read_all("\n  \n", Format::graphml).empty());
}

// yEd writes its drawing in elements of its own namespace, which say
// nothing of the graph.
TEST(GraphML, YedFileReads) {
    const std::string yed =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\" "
        "xmlns:y=\"http://www.yworks.com/xml/graphml\">\n"
        "  <key for=\"node\" id=\"d6\" yfiles.type=\"nodegraphics\"/>\n"
        "  <graph edgedefault=\"directed\" id=\"G\">\n"
        "    <node id=\"n0\"><data key=\"d6\"><y:ShapeNode><y:Geometry height=\"30.0\" "
        "width=\"30.0\" x=\"0\" y=\"0\"/><y:NodeLabel>A</y:NodeLabel><y:Shape "
        "type=\"ellipse\"/></y:ShapeNode></data></node>\n"
        "    <node id=\"n1\"><data key=\"d6\"><y:ShapeNode><y:NodeLabel>B</y:NodeLabel>"
        "</y:ShapeNode></data></node>\n"
        "    <edge id=\"e0\" source=\"n0\" target=\"n1\"><data key=\"d10\"><y:PolyLineEdge>"
        "<y:Arrows source=\"none\" target=\"standard\"/></y:PolyLineEdge></data></edge>\n"
        "  </graph>\n</graphml>\n";
    const std::vector<Read> seen = read_all(yed, Format::graphml);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].outcome, "4: 2 vertices 1-2");
}

TEST(GraphML, WrittenGraphsReadBackWithTheirNames) {
    with_xml_parser();
    std::string text;
    open_graphml(text);
    UGraph first = graph_of(4, "a<b>&\"c\"", {{1, 2}, {2, 3}});
    ASSERT_TRUE(append_graphml(first, text));
    ASSERT_TRUE(append_graphml(graph_of(3, "K3", {{1, 2}, {1, 3}, {2, 3}}), text));
    close_graphml(text);
    const std::vector<Read> seen = read_all(text, Format::graphml);
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0].outcome.substr(seen[0].outcome.find(':')), ": 4 vertices 1-2 2-3");
    EXPECT_EQ(seen[0].name, "a<b>&\"c\"");
    EXPECT_EQ(seen[1].outcome.substr(seen[1].outcome.find(':')), ": 3 vertices 1-2 1-3 2-3");
    EXPECT_EQ(seen[1].name, "K3");
    EXPECT_TRUE(seen[0].notes.empty() && seen[1].notes.empty());
    EXPECT_NE(text.find("<data key=\"label\">4</data>"), std::string::npos);
}

TEST(GML, NetworkXAndIgraphTextReads) {
    const std::vector<Read> networkx = read_all(
        "graph [\n  name \"Petersen &#956; &amp; &#34;x&#34;\"\n  node [\n    id 0\n    label "
        "\"0\"\n  ]\n  node [ id 1 label \"1\" ]\n  node [ id 2 label \"2\" ]\n  edge [\n    "
        "source 0\n    target 1\n  ]\n  edge [ source 1 target 2 ]\n  edge [ source 2 target 1 "
        "]\n]\n",
        Format::gml);
    ASSERT_EQ(networkx.size(), 1U);
    EXPECT_EQ(networkx[0].outcome, "1: 3 vertices 1-2 2-3");
    EXPECT_EQ(networkx[0].name, "Petersen \xce\xbc & \"x\"");
    EXPECT_EQ(networkx[0].notes,
              (std::vector<std::string>{"nodes numbered 1 to 3 in file order, '0' as 1",
                                        "1 repeated link merged"}));
    const std::vector<Read> igraph = read_all(
        "Creator \"igraph version 0.10\"\nVersion 1\n# a comment\ngraph\n[\n  directed 1\n  "
        "node\n  [\n    id 0\n  ]\n  node\n  [\n    id 1\n  ]\n  edge\n  [\n    source 0\n    "
        "target 1\n    weight 1.5e0\n  ]\n]\n",
        Format::gml);
    ASSERT_EQ(igraph.size(), 1U);
    EXPECT_EQ(igraph[0].outcome, "4: 2 vertices 1-2");
    EXPECT_EQ(igraph[0].notes.back(), "1 directed edge read as links");
}

TEST(GML, RefusalsSayWhere) {
    const auto first = [](const std::string& text) {
        const std::vector<Read> seen = read_all(text, Format::gml);
        return seen.empty() ? "no graph" : seen[0].outcome;
    };
    EXPECT_EQ(first("graph [ node [ id 1 ] ]\ngraph [ node [ id 1 ] ]"),
              "1: it holds 2 graphs, and a GML file holds one");
    EXPECT_EQ(first("Version 1"), "1: it holds no graph");
    EXPECT_EQ(first("graph [\n node [ id 1 ]\n edge [ source 1 ]\n]"),
              "1: the edge on line 3 lacks its source or target");
    EXPECT_EQ(first("graph [\n node [ label \"x\" ]\n]"), "1: the node on line 2 has no id");
    EXPECT_EQ(first("graph [\n name \"open\n"),
              "1: it is not GML: a string that is not closed on line 2");
    EXPECT_EQ(first("graph [ node [ id 1 ]"),
              "1: it is not GML: a list that is not closed on line 1");
    EXPECT_EQ(first("graph [ ] ]"), "1: it is not GML: a ']' that closes no list on line 1");
    EXPECT_EQ(first("graph [ 1 ]"), "1: it is not GML: a key cannot begin with '1' on line 1");
    EXPECT_EQ(first("graph"), "1: it is not GML: a key without a value on line 1");
    std::string deep = "graph [";
    for (int depth = 0; depth < 40; ++depth) {
        deep += " x [";
    }
    EXPECT_EQ(first(deep), "1: it is not GML: lists nested more than 32 deep on line 1");
    EXPECT_EQ(first(""), "no graph");
}

TEST(GML, WrittenGraphReadsBack) {
    std::string text;
    append_gml(graph_of(5, "caf\xc3\xa9 \"&\"", {{1, 2}, {1, 5}, {3, 3}}), text);
    EXPECT_EQ(text.find_first_of("\x80\xc3"), std::string::npos);  // 7-bit ASCII
    const std::vector<Read> seen = read_all(text, Format::gml);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].outcome, "1: 5 vertices 1-2 1-5 3-3");
    EXPECT_EQ(seen[0].name, "caf\xc3\xa9 \"&\"");
    EXPECT_TRUE(seen[0].notes.empty());
}

}  // namespace
}  // namespace ugraph
