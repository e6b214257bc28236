// Where import's data-inputs go: standard output, OUTFILE (never the data
// file, under any name), or the data file with --append; an input without a
// graph is told rather than passed over in silence. And the reasons a
// command gives that must fit the case: a missing folder, the line and
// column of a refused data-input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

Ran run(std::vector<const char*> args, const std::string& typed = "") {
    return run_ugraph(std::move(args), typed);
}

struct Folder {
    Folder() : path(fresh_folder("ugraph-import-")) {}
    ~Folder() { fs::remove_all(path); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::string at(const char* name) const { return (path / name).string(); }
    fs::path path;
};

TEST(ImportOutput, GoesToOutfileButNeverOverTheDataFile) {
    const Folder d;
    const std::string out = d.at("out.txt");
    Ran r = run({"import", "--from", "G6", "-o", out.c_str()}, "D?{\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(content_of(out), "[U \"graph\", (1),5, (2),5, (3),5, (4),5, (5)]\n");

    // The data file is the default one, in the folder the command runs in;
    // OUTFILE is a second name of it.
    const fs::path was = fs::current_path();
    fs::current_path(d.path);
    std::ofstream("GraphDataFile2.txt", std::ios::binary) << "[U \"kept\", (1),2, (2)]\n";
    fs::create_hard_link("GraphDataFile2.txt", "other-name.txt");
    r = run({"import", "--from", "graph6", "-o", "other-name.txt"}, "D?{\n");
    const std::string kept = content_of("GraphDataFile2.txt");
    fs::current_path(was);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("is the data file"), std::string::npos) << r.err;
    EXPECT_EQ(kept, "[U \"kept\", (1),2, (2)]\n");
}

TEST(ImportOutput, AnInputWithoutAGraphIsToldOnce) {
    const Folder d;
    const std::string data = d.at("lib.txt");
    std::ofstream(data, std::ios::binary) << "[U \"kept\", (1),2, (2)]\n";
    Ran r = run({"import", "--from", "graph6"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "ugraph: standard input holds no graph\n");
    r = run({"import", "--from", "edgelist", "--append", "-f", data.c_str()}, "\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "ugraph: standard input holds no graph; nothing was added to " + data + "\n");
    EXPECT_EQ(content_of(data), "[U \"kept\", (1),2, (2)]\n");
    EXPECT_FALSE(fs::exists(data + ".bak"));
}

TEST(CommandReasons, FitTheCase) {
    const Folder d;
    const std::string data = d.at("lib.txt");
    std::ofstream(data, std::ios::binary) << "Free\r\ntext\r\n  [U \"Bad\",\r\n (1),2,x]\r\n";
    Ran r = run({"show", "1", "-f", data.c_str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("at line 4, column 8"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("at character"), std::string::npos) << r.err;

    const std::string missing = d.at("no-such-folder/x.dot");
    r = run({"convert", "--from", "graph6", "--to", "dot", "-o", missing.c_str()}, "A_\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "ugraph: cannot write " + missing + ": its folder " + d.at("no-such-folder") +
                         " does not exist; nothing was written\n");
}

}  // namespace
}  // namespace ugraph
