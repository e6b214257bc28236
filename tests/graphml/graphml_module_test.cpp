// GraphML's seam and module: without an XML parser both ways refuse in one
// clause and leave the output as it was; the module built beside the program
// opens on its own (its code complete without the program's) and carries a
// named graph out and back.
#include "graphml/graphml_module.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph/arc_list.hpp"
#include "graphml/graphml_xml.hpp"
#include "modules/module.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

TEST(GraphmlSeam, WithoutAParserBothWaysRefuseAndChangeNothing) {
    install_graphml(nullptr, nullptr);
    std::string out = "kept";
    const Result<> written = append_graphml(graph_of(2, "p", {{1, 2}}), out);
    std::vector<DocumentGraph> graphs;
    const Result<> read = read_graphml("<graphml><graph/></graphml>", graphs);
    install_graphml(write_graphml_xml, read_graphml_xml);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.reason(), "this build of ugraph has no XML parser for GraphML");
    EXPECT_EQ(out, "kept");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.reason(), written.reason());
    EXPECT_TRUE(graphs.empty());
}

TEST(GraphmlModule, TheBuiltModuleWritesAndReadsAGraph) {
    const std::vector<std::filesystem::path> build_folder{UGRAPH_MODULE_FOLDER};
    const Result<const void*> opened = open_module_in("graphml", build_folder, module_stamp());
    ASSERT_TRUE(opened) << opened.reason();
    const auto* module = static_cast<const GraphmlModule*>(opened.value());
    std::string text;
    open_graphml(text);
    ASSERT_TRUE(module->write(graph_of(3, "path & co", {{1, 2}, {2, 3}}), text));
    close_graphml(text);
    std::vector<DocumentGraph> graphs;
    ASSERT_TRUE(module->read(text, graphs));
    ASSERT_EQ(graphs.size(), 1U);
    ASSERT_TRUE(graphs[0].taken) << graphs[0].taken.reason();
    EXPECT_EQ(graphs[0].name, "path & co");
    EXPECT_EQ(graphs[0].vertices, 3);
    EXPECT_TRUE(graphs[0].links.contains(1, 2) && graphs[0].links.contains(2, 3));
    EXPECT_FALSE(graphs[0].links.contains(1, 3));
}

}  // namespace
}  // namespace ugraph
