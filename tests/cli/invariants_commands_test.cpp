// info, classes, find and --where, run as the command line runs them: what
// each takes from the data file or an input, how it numbers the graphs, and
// what it says when a graph is refused or the engine cannot be had.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/progress.hpp"
#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

Ran run_with(InvariantsOpener engine, std::vector<const char*> args,
             const std::string& input = "") {
    std::istringstream in(input);
    return run_ugraph(std::move(args), in, system_platform(), engine);
}

Ran run(std::vector<const char*> args, const std::string& input = "") {
    return run_ugraph(std::move(args), input);
}

TEST(InvariantsCommands, WithoutTheEngineTheyRefuseInOneLineAndTheOthersRunAsEver) {
    const Ran info = run_with(nullptr, {"info", "--from", "graph6"}, "Bw\n");
    EXPECT_EQ(info.status, 2);
    EXPECT_EQ(info.err, "ugraph: info needs the invariants engine, which this run lacks\n");
    EXPECT_EQ(info.out, "");

    const InvariantsOpener refusing = [] {
        return Result<const InvariantsModule*>(refused("the module invariants is not installed"));
    };
    const Ran classes = run_with(refusing, {"classes", "--from", "graph6"}, "Bw\n");
    EXPECT_EQ(classes.status, 2);
    EXPECT_EQ(classes.err,
              "ugraph: classes needs the invariants engine: the module invariants is not "
              "installed\n");

    const Ran where = run_with(
        refusing, {"convert", "--from", "graph6", "--to", "graph6", "--where", "planar"}, "Bw\n");
    EXPECT_EQ(where.status, 2);
    EXPECT_EQ(where.out, "");
    EXPECT_EQ(where.err.rfind("ugraph: convert --where needs the invariants engine", 0), 0u);

    // Without --where the engine is never asked.
    const Ran plain = run_with(refusing, {"convert", "--from", "graph6", "--to", "graph6"}, "Bw\n");
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, "Bw\n");
}

TEST(Progress, ShowsNothingOffATerminalNorInARunsFirstSecondAndWipesItsLine) {
    std::ostringstream off;
    {
        Progress progress(off, false);
        for (int k = 0; k < 100; ++k) {
            progress.step();
        }
    }
    EXPECT_EQ(off.str(), "");

    std::ostringstream on;
    {
        Progress progress(on, true);
        for (int k = 0; k < 32; ++k) {
            progress.step();
        }
        EXPECT_EQ(on.str(), "");  // not yet a second
        std::this_thread::sleep_for(std::chrono::milliseconds(1050));
        for (int k = 0; k < 16; ++k) {
            progress.step();
        }
        EXPECT_EQ(on.str(), "ugraph: 48 graphs so far\r");
    }
    EXPECT_EQ(on.str(), "ugraph: 48 graphs so far\r" + std::string(24, ' ') + "\r");
}

#ifdef UGRAPH_INVARIANTS_LINKED

struct Folder {
    Folder() : path(fresh_folder("ugraph-invariants-")) {}
    ~Folder() { fs::remove_all(path); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    fs::path path;
};

// A triangle and a path of three nodes, each twice under other numbers, a
// data-input that cannot be loaded between them, and a five-cycle.
class WithDataFile : public testing::Test {
protected:
    WithDataFile() {
        // Binary: the data file's lines end in LF on every system.
        std::ofstream(data_, std::ios::binary) << "Kept for the tests.\n"
                                                  "[U \"Tri\", (1),2,3, (2),3]\n"
                                                  "[U \"P3\", (1),2, (2),3]\n"
                                                  "[D \"Directed\", (1),2]\n"
                                                  "[U \"Tri again\", (1),3, (2),1,3]\n"
                                                  "[U \"P3 again\", (1),3, (3),2]\n"
                                                  "[U \"C5\", (1),2, (2),3, (3),4, (4),5, (5),1]\n";
    }
    const char* file() const { return data_.c_str(); }

    static constexpr const char* REFUSED_3 =
        "ugraph: data-input 3 cannot be loaded: it is not marked 'U' (after '[') for Ugraph\n";

private:
    Folder folder_;
    std::string data_ = (folder_.path / "graphs.txt").string();
};

TEST_F(WithDataFile, ClassesGroupTheDataInputsAndTellTheOneNotLoaded) {
    const Ran all = run({"classes", "-f", file()});
    EXPECT_EQ(all.out, "1 4\n2 5\n6\n");
    EXPECT_EQ(all.err, REFUSED_3);
    EXPECT_EQ(all.status, 1);

    EXPECT_EQ(run({"classes", "--duplicates", "-f", file()}).out, "1 4\n2 5\n");
    EXPECT_EQ(run({"classes", "--where", "girth=3", "-f", file()}).out, "1 4\n");
    // The -f typed before the command is the data file too.
    EXPECT_EQ(run({"-f", file(), "classes", "--where", "bipartite=false,nodes=5"}).out, "6\n");
}

TEST_F(WithDataFile, DeleteDuplicatesKeepsTheFirstOfEachClassAndEveryOtherByte) {
    const std::string before = content_of(file());
    const Ran deleted = run({"delete", "--duplicates", "-f", file()});
    EXPECT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(deleted.err,
              std::string(REFUSED_3) + "ugraph: 2 duplicates deleted from " + file() + "\n");
    EXPECT_EQ(content_of(file()),
              "Kept for the tests.\n"
              "[U \"Tri\", (1),2,3, (2),3]\n"
              "[U \"P3\", (1),2, (2),3]\n"
              "[D \"Directed\", (1),2]\n"
              "[U \"C5\", (1),2, (2),3, (3),4, (4),5, (5),1]\n");
    EXPECT_EQ(content_of(std::string(file()) + ".bak"), before);

    // Nothing left to delete: the file and its backup stay as they are.
    const Ran again = run({"delete", "--duplicates", "-f", file()});
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(
        again.err.ends_with("no duplicates in " + std::string(file()) + "; nothing was deleted\n"))
        << again.err;
    EXPECT_EQ(content_of(std::string(file()) + ".bak"), before);
    EXPECT_EQ(run({"delete", "2", "--duplicates", "-f", file()}).status, 2);
}

TEST_F(WithDataFile, InfoOfOneOrEveryDataInput) {
    const Ran one = run({"info", "6", "--format", "tsv", "-f", file()});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.err, "");
    ASSERT_NE(one.out.find('\n'), std::string::npos);
    EXPECT_EQ(
        one.out.substr(one.out.find('\n') + 1),
        "6\tC5\t5\t5\t0\t2\t2\t1\t2\t2\t2\t5\t0\t2\t2\t3\tfalse\ttrue\ttrue\ttrue\t10\t1\tDqK\n");

    const Ran jsonl = run({"info", "all", "--format", "jsonl", "--where", "girth=3", "-f", file()});
    EXPECT_EQ(jsonl.status, 1);  // data-input 3
    EXPECT_EQ(jsonl.err, REFUSED_3);
    EXPECT_EQ(jsonl.out.rfind("{\"number\":1,\"name\":\"Tri\",", 0), 0u);
    EXPECT_NE(jsonl.out.find("\n{\"number\":4,\"name\":\"Tri again\","), std::string::npos);
    EXPECT_EQ(std::count(jsonl.out.begin(), jsonl.out.end(), '\n'), 2);

    const Ran beyond = run({"info", "7", "-f", file()});
    EXPECT_EQ(beyond.status, 2);
    EXPECT_EQ(beyond.out.find('1'), std::string::npos);  // no row, at most the header
    EXPECT_EQ(beyond.err, "ugraph: " + std::string(file()) +
                              " holds 6 data-inputs; there is no data-input 7\n");
}

TEST_F(WithDataFile, FindGivesTheNumbersOfEachQueryAndAnEmptyLineForOneNotThere) {
    // A triangle, a path with its middle first, and K4, which the file lacks.
    const Ran found = run({"find", "-f", file(), "--from", "graph6"}, "Bw\nBo\nC~\n");
    EXPECT_EQ(found.out, "1 4\n2 5\n\n");
    EXPECT_EQ(found.status, 1);
    EXPECT_EQ(found.err, REFUSED_3);

    const Ran both = run({"find", "-f", "-", "--from", "graph6"}, "Bw\n");
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.out, "");
}

TEST_F(WithDataFile, WhereOnListShowAndExport) {
    const Ran list = run({"list", "--where", "triangles=1", "-f", file()});
    EXPECT_EQ(list.status, 1);
    // One that cannot be loaded is not known to miss the conditions: still listed.
    EXPECT_EQ(list.out,
              "1  \"Tri\"  3 nodes  3 links\n"
              "3  cannot be loaded: it is not marked 'U' (after '[') for Ugraph\n"
              "4  \"Tri again\"  3 nodes  3 links\n");

    const Ran shown = run({"show", "2", "--where", "triangles=1", "-f", file()});
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(shown.out, "");
    EXPECT_EQ(shown.err, "ugraph: data-input 2 does not meet the conditions of --where\n");
    EXPECT_EQ(run({"show", "6", "--where", "regular", "-f", file()}).status, 0);

    const Ran exported = run(
        {"export", "all", "--to", "graph6", "--where", "max_degree=2..,bipartite", "-f", file()});
    EXPECT_EQ(exported.out, "Bg\nBW\n");  // the paths; the cycle is odd
    EXPECT_EQ(exported.status, 1);        // data-input 3
    const Ran paths =
        run({"export", "all", "--to", "graph6", "--where", "diameter=2", "-f", file()});
    EXPECT_EQ(paths.out, "Bg\nBW\nDhc\n");
    EXPECT_EQ(run({"export", "1", "--to", "graph6", "--where", "girth=4..", "-f", file()}).err,
              "ugraph: data-input 1 does not meet the conditions of --where\n");
}

// info and classes read INPUT with --from alike, each naming itself.
TEST(InvariantsCommands, FromRefusesADataFileBesideItAndAnUnknownFormat) {
    for (const char* command : {"info", "classes"}) {
        const std::string name = command;
        const Ran with_file = run({command, "--from", "graph6", "-f", "lib.txt"}, "Bw\n");
        EXPECT_EQ(with_file.status, 2) << name;
        EXPECT_EQ(with_file.out, "") << name;
        std::string told = "ugraph: -f names the data file, which ";
        told.append(name).append(" does not read with --from (see 'ugraph ").append(name);
        EXPECT_EQ(with_file.err, told.append(" --help')\n"));
        const Ran unknown = run({command, "--from", "dimacs"}, "Bw\n");
        EXPECT_EQ(unknown.status, 2) << name;
        EXPECT_NE(unknown.err.find("'dimacs'"), std::string::npos) << unknown.err;
        const std::string help = "'ugraph " + name + " --help'";
        EXPECT_NE(unknown.err.find(help), std::string::npos) << unknown.err;
    }
}

TEST(WhereOption, AnUnknownKeyOrAMalformedConditionIsAUsageErrorNamingIt) {
    const Ran unknown =
        run({"classes", "--from", "graph6", "--where", "girth=5..,colour=2"}, "Bw\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err,
              "ugraph: unknown key \"colour\" in --where (see 'ugraph classes --help')\n");
    for (const char* expression :
         {"girth=five", "planar=yes", "girth", "girth=..", "", "planar,"}) {
        const Ran malformed =
            run({"convert", "--from", "graph6", "--to", "graph6", "--where", expression}, "Bw\n");
        EXPECT_EQ(malformed.status, 2) << expression;
        EXPECT_NE(malformed.err.find("malformed condition"), std::string::npos) << expression;
        EXPECT_EQ(malformed.out, "") << expression;
    }
}

TEST(InvariantsCommands, AnInputsGraphsAreNumberedByTheirPlaceRefusedOnesCounted) {
    // The second line is no graph6: told, counted, and the third is graph 3.
    const Ran info = run({"info", "--from", "graph6", "--format", "tsv"}, "Bw\n!!\nBo\n");
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.err.find("line 2 of standard input: "), std::string::npos);
    std::istringstream rows(info.out);
    std::string header;
    std::string first;
    std::string second;
    std::getline(rows, header);
    std::getline(rows, first);
    std::getline(rows, second);
    EXPECT_EQ(first.substr(0, first.find('\t')), "1");
    EXPECT_EQ(second.substr(0, second.find('\t')), "3");

    EXPECT_EQ(run({"classes", "--from", "graph6"}, "Bo\n!!\nBw\nBg\n").out, "1 4\n3\n");
    const Ran converted =
        run({"convert", "--from", "graph6", "--to", "graph6", "--where", "number=3..,planar"},
            "Bo\nBw\nBg\nBW\n");
    EXPECT_EQ(converted.out, "Bg\nBW\n");
}

TEST(InvariantsCommands, ASelfLoopIsCountedAndLeftOutOfTheOtherKeys) {
    // Node 1 with a self-loop, linked to 2: a path of one link.
    const Ran info = run({"info", "--from", "edgelist", "--format", "jsonl"}, "1 1\n1 2\n");
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("\"links\":1,\"loops\":1,\"min_degree\":1,\"max_degree\":1,"),
              std::string::npos);
    EXPECT_NE(info.out.find("\"canonical\":\"A_\""), std::string::npos);
}

TEST(InvariantsCommands, TheirOwnOptionsAreCheckedBeforeAnythingIsRead) {
    EXPECT_EQ(run({"info", "all", "--format", "xml"}).err,
              "ugraph: --format takes table, tsv or jsonl, not 'xml' (see 'ugraph info --help')\n");
    EXPECT_EQ(run({"info"}).status, 2);
    EXPECT_EQ(run({"info", "0"}).status, 2);
    EXPECT_EQ(run({"info", "all", "--base", "0"}).status, 2);
    EXPECT_EQ(run({"info", "--from", "graph6", "-f", "graphs.txt"}, "Bw\n").status, 2);
    EXPECT_EQ(run({"classes", "input.g6"}).status, 2);
    EXPECT_EQ(run({"find", "-f", "graphs.txt"}).status, 2);  // no --from
}

#endif

}  // namespace
}  // namespace ugraph
