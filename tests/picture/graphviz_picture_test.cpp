// The pictures Graphviz's library draws: valid SVG with one circle per node
// and one path per link, no two nodes overlapping and no link through a node
// it does not join (checked again here from the SVG itself), the name shown;
// circo's ring on a circle; PNG and PDF that open; TikZ at the same layout.
#include "picture/graphviz_picture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <pugixml.hpp>
#include <sstream>

#include "interchange/format.hpp"
#include "interchange/tikz.hpp"
#include "picture/pdf_pages.hpp"
#include "picture/picture_check.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

UGraph petersen() {
    return graph_of(10, "Petersen",
                    {{1, 2},
                     {2, 3},
                     {3, 4},
                     {4, 5},
                     {1, 5},
                     {1, 6},
                     {2, 7},
                     {3, 8},
                     {4, 9},
                     {5, 10},
                     {6, 8},
                     {8, 10},
                     {7, 10},
                     {7, 9},
                     {6, 9}});
}

UGraph complete(int n) {
    Links links;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            links.emplace_back(a, b);
        }
    }
    return graph_of(n, "K" + std::to_string(n), links);
}

UGraph ring(int n) {
    Links links;
    for (int a = 1; a <= n; ++a) {
        links.emplace_back(a, a % n + 1);
    }
    return graph_of(n, "ring", links);
}

std::string drawn(const UGraph& graph, PictureKind kind, const std::string& layout = "neato") {
    std::string out;
    const Result<> made = draw_with_graphviz(graph, kind, Drawing{layout, false}, out);
    EXPECT_TRUE(made.ok()) << (made ? "" : made.reason());
    return out;
}

// "x,y x,y ..." of an SVG polygon or path, the path's letters dropped.
std::vector<Disc> points_of(std::string text) {
    for (char& c : text) {
        c = (c == ',' || std::isalpha(static_cast<unsigned char>(c)) != 0) ? ' ' : c;
    }
    std::istringstream in(text);
    std::vector<Disc> points;
    double x = 0;
    double y = 0;
    while (in >> x >> y) {
        points.push_back({x, y, 0});
    }
    return points;
}

// What the SVG shows, read back: the nodes' circles by number, the links'
// curves, the title's text.
struct Seen {
    std::vector<Disc> nodes;
    std::vector<LinkPath> links;
    std::vector<std::string> texts;
};

Seen seen_in(const std::string& svg) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(svg.c_str()));
    Seen seen;
    for (const pugi::xpath_node group : document.select_nodes("//*[local-name()='g']")) {
        const std::string kind = group.node().attribute("class").as_string();
        const std::string title = group.node().child("title").text().as_string();
        if (kind == "node") {
            const pugi::xml_node ellipse = group.node().child("ellipse");
            EXPECT_EQ(ellipse.attribute("rx").as_double(), ellipse.attribute("ry").as_double());
            const auto number = static_cast<std::size_t>(std::stoi(title));
            seen.nodes.resize(std::max(seen.nodes.size(), number));
            seen.nodes[number - 1] = {ellipse.attribute("cx").as_double(),
                                      ellipse.attribute("cy").as_double(),
                                      ellipse.attribute("rx").as_double() * 0.95};
        } else if (kind == "edge") {
            LinkPath& link = seen.links.emplace_back();
            link.a = std::stoi(title);
            link.b = std::stoi(title.substr(title.find("--") + 2));
            const std::vector<Disc> controls =
                points_of(group.node().child("path").attribute("d").as_string());
            for (std::size_t p = 0; p + 3 < controls.size(); p += 3) {
                sample_bezier(controls[p], controls[p + 1], controls[p + 2], controls[p + 3], 16,
                              link.points);
            }
        }
    }
    for (const pugi::xpath_node text : document.select_nodes("//*[local-name()='text']")) {
        seen.texts.emplace_back(text.node().text().as_string());
    }
    return seen;
}

TEST(Picture, SvgShowsEveryNodeAndLinkApartAndTheName) {
    install_pictures(draw_with_graphviz, lay_out_with_graphviz, join_pdf_documents);
    for (const UGraph& graph : {petersen(), complete(6), ring(6), graph_of(3, "lone", {{1, 2}})}) {
        const std::string name(name_text(graph.name));
        const Seen seen = seen_in(drawn(graph, PictureKind::svg));
        EXPECT_EQ(static_cast<int>(seen.nodes.size()), graph.node_count()) << name;
        EXPECT_EQ(static_cast<int>(seen.links.size()), graph.link_count()) << name;
        const Result<> clean = check_picture(seen.nodes, seen.links);
        EXPECT_TRUE(clean.ok()) << name << ": " << (clean ? "" : clean.reason());
        EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), name), seen.texts.end()) << name;
    }
}

TEST(Picture, CircoPutsARingOnACircle) {
    const Seen seen = seen_in(drawn(ring(6), PictureKind::svg, "circo"));
    ASSERT_EQ(seen.nodes.size(), 6U);
    double cx = 0;
    double cy = 0;
    for (const Disc& node : seen.nodes) {
        cx += node.x / 6;
        cy += node.y / 6;
    }
    const double radius = std::hypot(seen.nodes[0].x - cx, seen.nodes[0].y - cy);
    for (const Disc& node : seen.nodes) {
        EXPECT_NEAR(std::hypot(node.x - cx, node.y - cy), radius, radius * 0.02);
    }
}

// The densest graphs a Ugraph holds still draw cleanly, by the layout's
// own check.
TEST(Picture, DensestGraphsDraw) {
    Links links;
    for (int a = 1; a <= 35 && links.size() < MAX_LINKS; ++a) {
        for (int b = a + 1; b <= 36 && links.size() < MAX_LINKS; ++b) {
            links.emplace_back(a, b);
        }
    }
    std::string out;
    EXPECT_TRUE(
        draw_with_graphviz(graph_of(MAX_NODES, "dense", links), PictureKind::svg, Drawing{}, out)
            .ok());
}

TEST(Picture, PngAndPdfOpen) {
    const std::string png = drawn(petersen(), PictureKind::png);
    ASSERT_GT(png.size(), 24U);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    const auto big_endian = [&](std::size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) |
               (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) |
               static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_GT(big_endian(16), 100);  // width and height of the IHDR chunk
    EXPECT_GT(big_endian(20), 100);
    EXPECT_EQ(drawn(petersen(), PictureKind::pdf).substr(0, 5), "%PDF-");
}

TEST(Picture, TikzTakesTheLayoutsCoordinates) {
    install_pictures(draw_with_graphviz, lay_out_with_graphviz, join_pdf_documents);
    std::string tikz;
    ASSERT_TRUE(append_tikz(graph_of(3, "a_b", {{1, 2}, {3, 3}}), Drawing{"circo", false}, tikz));
    EXPECT_NE(tikz.find("\\node[vertex] (n3) at ("), std::string::npos);
    EXPECT_NE(tikz.find("\\draw (n1) -- (n2);"), std::string::npos);
    EXPECT_NE(tikz.find("\\draw (n3) to[loop above] (n3);"), std::string::npos);
    EXPECT_NE(tikz.find("{a\\_b};"), std::string::npos);
    const Result<LaidOutGraph> laid_out = lay_out_with_graphviz(petersen(), Drawing{});
    ASSERT_TRUE(laid_out.ok());
    for (const NodePosition& node : laid_out.value().nodes) {
        EXPECT_GE(node.x, 0);
        EXPECT_GE(node.y, 0);
        EXPECT_LT(node.x + node.y, 40);  // centimetres, not points
    }
    std::string out;
    EXPECT_EQ(
        draw_with_graphviz(petersen(), PictureKind::svg, Drawing{"spring", false}, out).reason(),
        "there is no layout 'spring'");
}

TEST(PictureCheck, FindsOverlapsAndLinksThroughNodes) {
    const std::vector<Disc> nodes = {{0, 0, 1}, {10, 0, 1}, {5, 0.5, 1}};
    EXPECT_EQ(check_picture(nodes, {{1, 2, {{0, 0, 0}, {10, 0, 0}}}}).reason(),
              "the link 1-2 runs through node 3");
    EXPECT_TRUE(check_picture(nodes, {{1, 3, {{0, 0, 0}, {5, 0.5, 0}}}}).ok());
    EXPECT_EQ(check_picture({{0, 0, 1}, {1.5, 0, 1}}, {}).reason(), "nodes 1 and 2 overlap");
}

}  // namespace
}  // namespace ugraph
