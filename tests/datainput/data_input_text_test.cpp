#include "datainput/data_input_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

#include "datainput/data_input_graph.hpp"
#include "dialogue/load_data_input.hpp"
#include "graph/normalize_arcs.hpp"
#include "support/fresh_folder.hpp"
#include "support/graph_of.hpp"

namespace ugraph {
namespace {

// A data-input's text read as the commands read it, into a graph.
Result<> parse_graph(std::string_view text, UGraph& g) {
    DataInputLinks read;
    Result<> parsed = parse_data_input(text, read);
    if (parsed)
        make_graph(read, g);
    return parsed;
}

// The graph in written form and its arc count: name, node count, links.
std::string shown(const UGraph& g) { return written_form(g) + " " + std::to_string(g.arc_count()); }

// A data-input read and normalised, shown in written form; or why it was refused.
std::string read_back(const std::string& text) {
    UGraph g;
    const Result<> parsed = parse_graph(text, g);
    if (!parsed)
        return "refused: " + parsed.reason();
    normalize_arcs(g);
    return written_form(g);
}

struct Loaded {
    std::string out;
    int result;
    UGraph g;
};

// Runs the loader on the answers `typed` over a data file holding `file_text`, starting from
// the graph `g`.
Loaded load(const std::string& file_text, const std::string& typed, UGraph g = {}) {
    const std::filesystem::path dir = fresh_folder("ugraph-datafile-test-");
    std::ofstream(dir / GRAPH_DATA_FILE, std::ios::binary) << file_text;
    std::istringstream in(typed);
    std::ostringstream out;
    Console console(in, out);
    const int result = load_data_input(console, g, dir / GRAPH_DATA_FILE, system_platform());
    std::filesystem::remove_all(dir);
    return {out.str(), result, g};
}

TEST(DataInputText, ReadsTheAcceptedTextsAndWritesTheCanonicalForm) {
    std::string many = R"([U "g", (1))";
    for (int k = 0; k < MAX_LINKS; ++k)
        many += ",2";
    const std::string two_three = R"([U "g", (1),2,3, (2), (3)])";
    const std::pair<std::string, std::string> cases[] = {
        {R"([U "Ugraph", (4),1 (3),2,4 (1),2 (5)])",
         R"([U "Ugraph", (1),2,4, (2),3, (3),4, (4), (5)])"},
        {R"([U "Ugraph", (10),1])",
         R"([U "Ugraph", (1),10, (2), (3), (4), (5), (6), (7), (8), (9), (10)])"},
        {R"([U "", (2),2,3, (1),1 (3),3])", R"([U "", (1), (2),3, (3)])"},  // self-loops
        {R"([U "g", (1),2,3, (2)])", two_three},
        {R"([U "g", (1)2 3 (2)])", two_three},
        {R"([U "g", (1),2,3,0, (2)])", two_three},
        {R"([U "g", (1),2 ,, (2)])", R"([U "g", (1),2, (2)])"},
        {R"([U "g", (1)])", R"([U "g", (1)])"},
        {"[U\n- \"a\nb\" -\n,(1),2]", "[U \"a\nb\", (1),2, (2)]"},
        {R"([U "g", (3),01,2 (2),3,007,00 (1)])",
         R"([U "g", (1),3, (2),3,7, (3), (4), (5), (6), (7)])"},
        {R"([U "123456789012345", (1)])", R"([U "123456789012345", (1)])"},
        {many + "]", R"([U "g", (1),2, (2)])"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(read_back(text), expected) << text;
    // Never read back from a file: no header at all, and a neighbour above the node count.
    const UGraph none = graph_of(0, "Ugraph", {});
    const UGraph above = graph_of(2, "up", {{4, 1}, {2, 1}});
    EXPECT_EQ(written_form(none), R"([U "Ugraph"])");
    EXPECT_EQ(written_form(above), R"([U "up", (1),2,4, (2)])");
}

TEST(DataInputText, RefusesTextsOutsideTheFormat) {
    std::string many = R"([U "g", (1))";
    for (int k = 0; k <= MAX_LINKS; ++k)
        many += ",2";
    EXPECT_EQ(read_back(many + "]"), "refused: it holds more than 624 neighbor numbers");
    EXPECT_EQ(read_back("[U \"g\", (1),2\n]"), "refused: unexpected line end at character 14");
    EXPECT_EQ(read_back(R"([U "g", (1),51])"),
              "refused: node number at character 13 is not between 1 and 50");
    EXPECT_EQ(read_back(R"([U "g, (1)])"), "refused: its name is not enclosed in double quotes");
    EXPECT_EQ(read_back(R"([U "1234567890123456", (1)])"),
              "refused: its name is longer than 15 characters");
    EXPECT_EQ(read_back(R"([U "g", (1)0 3])"),
              "refused: the 0 at character 12 had already closed the list of node 1, so the "
              "number at character 14 has no place");
    const std::string node_groups[] = {"(1),\t2]",  "(1),-2]",  "(1),2,x]",        "(1),2 ,3]",
                                       "(1),2,,3]", "(1) ,2]",  "(1),2,0 3]",      "()]",
                                       "(1 ]",      "(1)2 (3]", "(1),2",           "1,2]",
                                       "(0)]",      "(51)]",    "(1),4294967303]", "(1),2,#]",
                                       "(1) # (2)]"};
    for (const std::string& groups : node_groups) {
        const std::string got = read_back(R"([U "g", )" + groups);
        EXPECT_TRUE(got.rfind("refused: ", 0) == 0 && got.size() > 9) << groups << " gives " << got;
    }
}

// The reader gathers the links as it reads: what it gives is canonical
// (normalising it again changes nothing), self-loops and repeats included,
// and its written form reads back as the same graph.
// A text is read where it stands when it ends in "]", and from a copy when it
// does not: either way nothing after its last character is read, though the
// bytes there would continue a number or a list.
TEST(DataInputText, ReadsNothingPastTheTextItIsGiven) {
    const std::string whole = R"([U "g", (1),23] (2),4])";
    DataInputLinks read;
    const Result<> cut_in_number = parse_data_input(std::string_view(whole.data(), 13), read);
    EXPECT_EQ(cut_in_number.reason(), "unexpected character of code 0 at character 14");
    ASSERT_TRUE(parse_data_input(std::string_view(whole.data(), 15), read));
    EXPECT_EQ(read.nodes, 23);
    EXPECT_TRUE(read.links.contains(1, 23) && read.links.contains(23, 1));
    EXPECT_EQ(read.links.links(), 1);
    // A header without links counts for the node count; a reader used again
    // keeps nothing of the data-input before.
    ASSERT_TRUE(parse_data_input(R"([U "h", (2),1,1 (7) (3),3])", read));
    EXPECT_EQ(name_text(read.name), "h");
    EXPECT_EQ(read.nodes, 7);
    EXPECT_EQ(read.links.links(), 2);
    EXPECT_TRUE(read.links.contains(1, 2) && read.links.contains(3, 3));
}

TEST(DataInputText, GathersCanonicalLinksThatReadBackAlike) {
    std::mt19937 rng(90210);
    const std::string items[] = {", (", ")", ",", " ", "0", "7", "3", "12", "50", "51", "x", "#"};
    std::vector<std::string> texts = {R"([U "g", (3),3,1, (1),3,3 (2)])", R"([U "g", (1)])",
                                      R"([U "g", (2),1,0 (1),2])", R"([U "g", (1),2)"};
    for (int round = 0; round < 2000; ++round) {
        std::string text = R"([U "r", (1))";
        for (int k = std::uniform_int_distribution<int>(0, 40)(rng); k > 0; --k)
            text += items[std::uniform_int_distribution<std::size_t>(0, 11)(rng)];
        texts.push_back(text + "]");
    }
    const auto same_arcs = [](const UGraph& a, const UGraph& b) {
        return std::equal(a.arc_starts().begin(), a.arc_starts().end(), b.arc_starts().begin(),
                          b.arc_starts().end()) &&
               std::equal(a.arc_ends().begin(), a.arc_ends().end(), b.arc_ends().begin(),
                          b.arc_ends().end());
    };
    int taken = 0;
    for (const std::string& text : texts) {
        UGraph gathered;
        const Result<> read = parse_graph(text, gathered);
        if (!read) {
            EXPECT_FALSE(read.reason().empty()) << text;
            continue;
        }
        ++taken;
        UGraph normalized = gathered;
        normalize_arcs(normalized);
        EXPECT_TRUE(same_arcs(normalized, gathered)) << text;
        UGraph again;
        ASSERT_TRUE(parse_graph(written_form(gathered), again)) << text;
        EXPECT_EQ(name_text(again.name), name_text(gathered.name));
        EXPECT_EQ(again.node_count(), gathered.node_count()) << text;
        // The written form leaves the self-loops out, and only them.
        const LinkSet read_links = LinkSet::of(gathered);
        const LinkSet read_again = LinkSet::of(again);
        for (int node = 1; node <= MAX_NODES; ++node) {
            const std::uint64_t own = std::uint64_t{1} << node;
            EXPECT_EQ(read_again.row(node), read_links.row(node) & ~own) << text;
        }
    }
    EXPECT_GT(taken, 50);  // most random texts are refused; enough are read
}

const std::string PROMPT = "Input number before the selected data-input (zero to abort):\n";

TEST(LoadDataInput, RefusedOrAbortedLoadsLeaveTheGraphAsItWas) {
    const UGraph before = graph_of(3, "old", {{1, 3}});
    const std::pair<std::string, std::string> cases[] = {
        // file, answers
        {"[U \"n\", (1),2,0,3]", "1\n"},
        {"[U \"n\", (1),2", "1\n"},
        {"[U \"n\", (1)" + std::string(2500, ' ') + "]", "1\n"},
        {"[U \"n\", (1),2]", "5\n"},
    };
    for (const auto& [file, typed] : cases) {
        const Loaded r = load(file, typed, before);
        EXPECT_EQ(r.result, 0) << file;
        EXPECT_EQ(r.out.find("Data-input 1 cannot be loaded: ") == std::string::npos,
                  typed == "5\n");
        EXPECT_EQ(shown(r.g), shown(before));
    }
    // The number listed is the one taken, also past a stray "]" in free text.
    EXPECT_EQ(name_text(load("a ] b\n[U \"x\", (1)]\n[U \"y\", (1)]", "2\n").g.name), "y");
    // An answer without digits is out of range; a data-input without links is read but gives 0.
    const Loaded e = load("[U \"e\", (3)]", "x\n1\n", before);
    EXPECT_EQ(e.out, "1  [U \"e\", (3)]\n\n" + PROMPT + "Number must be between 1 and 1\n" +
                         PROMPT + "Input-data from file is:\n[U \"e\", (3)]\n");
    EXPECT_EQ(e.result, 0);
    EXPECT_EQ(shown(e.g), R"([U "e", (1), (2), (3)] 0)");
}

TEST(LoadDataInput, ReadsBackTheWrittenFormOfAnyStorableGraph) {
    std::mt19937 rng(4711);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 200; ++round) {
        const int n = pick(1, MAX_NODES);
        std::string name;
        for (int k = pick(0, NAME_MAX_CHARS); k > 0; --k)
            name += "aZ09 ,.(#)[\n-'"[pick(0, 13)];
        Links links;
        for (int k = n > 1 ? pick(0, pick(0, 1) ? 12 : MAX_LINKS) : 0; k > 0; --k) {
            const int a = pick(1, n);
            const int b = pick(1, n - 1);
            links.emplace_back(a, b < a ? b : b + 1);
        }
        const UGraph g = graph_of(n, name, links);
        const Loaded back = load(written_form(g), "1\n");
        EXPECT_EQ(shown(back.g), shown(g));
    }
}

}  // namespace
}  // namespace ugraph
