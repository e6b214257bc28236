// export all into pictures: a PDF of one page per data-input that a viewer
// opens, and SVG or PNG files of one graph each, named after -o and the
// data-input's number and told; without -o no picture is written at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "interchange/picture_seam.hpp"
#include "picture/graphviz_picture.hpp"
#include "picture/pdf_pages.hpp"
#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

constexpr const char* LIBRARY =
    "[U \"Path\", (1),2, (2),3, (3)]\n[U \"Bad\", (1),x]\n[U \"Ring\", (1),2,3, (2),3, (3)]\n";

Ran run(std::vector<const char*> args) {
    install_pictures(draw_with_graphviz, lay_out_with_graphviz, join_pdf_documents);
    return run_ugraph(std::move(args));
}

struct Folder {
    Folder() : path(fresh_folder("ugraph-pictures-")), data((path / "lib.txt").string()) {
        std::ofstream(data, std::ios::binary) << LIBRARY;
    }
    ~Folder() { fs::remove_all(path); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    fs::path path;
    std::string data;
};

TEST(ExportPictures, APdfOfAllHasOnePagePerGraphThatLoads) {
    const Folder d;
    const Ran r = run({"export", "all", "--to", "pdf", "-f", d.data.c_str()});
    EXPECT_EQ(r.status, 1);  // data-input 2 is refused, and told
    EXPECT_NE(r.err.find("data-input 2 cannot be loaded"), std::string::npos) << r.err;
    ASSERT_TRUE(r.out.starts_with("%PDF-"));
    // One page tree of two pages, not two documents laid end to end.
    const std::regex count(R"(/Count (\d+))");
    std::vector<std::string> counts;
    for (auto it = std::sregex_iterator(r.out.begin(), r.out.end(), count);
         it != std::sregex_iterator(); ++it) {
        counts.push_back((*it)[1]);
    }
    EXPECT_EQ(counts, std::vector<std::string>{"2"});
    EXPECT_EQ(r.out.find("%PDF-", 1), std::string::npos);
}

TEST(ExportPictures, SvgAndPngOfAllGoToAFileEachNamedByNumber) {
    const Folder d;
    const std::string svg = (d.path / "g.svg").string();
    Ran r = run({"export", "all", "--to", "svg", "-f", d.data.c_str(), "-o", svg.c_str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    const std::string first = (d.path / "g-1.svg").string();
    const std::string third = (d.path / "g-3.svg").string();
    EXPECT_NE(r.err.find("ugraph: data-input 1 is drawn in " + first + "\n"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("ugraph: data-input 3 is drawn in " + third + "\n"), std::string::npos);
    EXPECT_NE(content_of(first).find(">Path</text>"), std::string::npos);
    EXPECT_NE(content_of(third).find(">Ring</text>"), std::string::npos);
    EXPECT_FALSE(fs::exists(d.path / "g-2.svg"));
    EXPECT_FALSE(fs::exists(svg));

    const std::string png = (d.path / "p").string();
    r = run({"export", "all", "--to", "png", "-f", d.data.c_str(), "-o", png.c_str()});
    EXPECT_TRUE(content_of(d.path / "p-3").starts_with("\x89PNG\r\n\x1a\n"));

    // Without -o there is nowhere to put them: nothing is drawn.
    r = run({"export", "all", "--to", "svg", "-f", d.data.c_str()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("needs -o OUTFILE"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace ugraph
