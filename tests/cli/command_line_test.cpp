#include "cli/command_line.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/quoted_name.hpp"
#include "common/path_text.hpp"
#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

struct Ran {
    int status;
    std::string out;
    std::string err;
    std::string unread;  // what was left of standard input
};

Ran run(std::vector<const char*> args, const std::string& typed = "typed") {
    args.insert(args.begin(), "ugraph");
    std::istringstream in(typed);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_in_context(args, in, out, err);
    return {status, out.str(), err.str(), typed.substr(static_cast<std::size_t>(in.tellg()))};
}

struct DataFile {
    explicit DataFile(const std::string& content)
        : path(fresh_folder("ugraph-cli-")), file(utf8_of(path / "graphs.txt")) {
        std::ofstream(file, std::ios::binary) << content;
    }
    ~DataFile() { fs::remove_all(path); }
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    fs::path path;
    std::string file;
};

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
    for (const auto& args : std::vector<std::vector<const char*>>{
             {"--help"}, {"-h"}, {"help"}, {"help", "show"}, {"list", "--help"}}) {
        const Ran r = run(args);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_NE(r.out.find("Usage: ugraph"), std::string::npos) << args[0];
        EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(run({"help"}).out, run({"--help"}).out);
    const Ran version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("ugraph ") &&
                version.out.find('\n') == version.out.size() - 1);
    // Each command's help opens with its synopsis and gives every default.
    const Ran help = run({"help", "export"});
    EXPECT_NE(help.out.find("Usage: ugraph export (N | all) --to FORMAT"), std::string::npos);
    EXPECT_NE(help.out.find("(default 1)"), std::string::npos);
    EXPECT_NE(help.out.find("(default GraphDataFile2.txt"), std::string::npos);
    EXPECT_NE(help.out.find("(default: standard output"), std::string::npos);
}

TEST(CommandLine, ShowPrintsWhatTheDialoguePrintsAfterLoading) {
    const std::string graphs =
        "Kept graphs\n[U \"Path\", (1),2, (2),3, (3)]\n[u \"Wide\",\n (12),1,50 (3),3]\n"
        "[U \"Two digits\", (10),1]";
    for (const char* number : {"1", "2", "3"}) {
        const DataFile data(graphs);  // afresh: the dialogue saves what it loaded
        const Ran shown = run({"show", number, "-f", data.file.c_str()});
        EXPECT_EQ(shown.status, 0) << shown.err;
        EXPECT_EQ(shown.unread, "typed");
        const Ran dialogue =
            run({"--file", data.file.c_str()}, "F\n" + std::string(number) + "\nN\n\n\n");
        const std::size_t from = dialogue.out.find("Ufile ");
        const std::size_t to = dialogue.out.find("\nChange data?");
        ASSERT_NE(to, std::string::npos) << dialogue.out;
        EXPECT_EQ(shown.out, dialogue.out.substr(from, to - from)) << number;
    }
    const DataFile data(graphs);
    const Ran listed = run({"-f", data.file.c_str(), "list"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out,
              "1  \"Path\"  3 nodes  2 links\n2  \"Wide\"  50 nodes  2 links\n"
              "3  \"Two digits\"  10 nodes  1 link\n");
}

// A number below 1 is not a data-input at all; one above the count names how
// many the file holds.
TEST(CommandLine, NumbersOutsideTheDataInputsAreToldForWhatTheyAre) {
    const DataFile data("[U \"Path\", (1),2, (2)]\n[U \"Pair\", (1),2, (2)]");
    const std::string file = data.file;
    const Ran beyond = run({"export", "9", "--to", "dot", "-f", file.c_str()});
    EXPECT_EQ(beyond.status, 2);
    EXPECT_EQ(beyond.err, "ugraph: " + file + " holds 2 data-inputs; there is no data-input 9\n");
    const Ran zero = run({"show", "0", "-f", file.c_str()});
    EXPECT_EQ(zero.status, 2);
    EXPECT_EQ(zero.err, "ugraph: data-inputs are numbered from 1; there is no data-input 0\n");
    const Ran nine = run({"show", "9", "-f", file.c_str()});
    EXPECT_EQ(nine.status, 2);
    EXPECT_EQ(nine.err, "ugraph: " + file + " holds 2 data-inputs; there is no data-input 9\n");
}

TEST(CommandLine, QuotedNamesStayOnOneLine) {
    GraphName name{};
    set_name(name, "a\\b\n\tc\x01\x7f");
    EXPECT_EQ(quoted_name(name), "\"a\\\\b\\n\\tc\\x01\\x7f\"");
}

}  // namespace
}  // namespace ugraph
