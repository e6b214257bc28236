#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "cli/usage_error.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {

struct Case {
    std::vector<const char*> args;
    std::string told;  // after "ugraph: ", before " (see 'ugraph ... --help')"
    std::string help;  // the command whose help is pointed to
};

// Each usage error is one line in the program's words: what was typed, a
// near name where there is one, the help of the command concerned; status
// 2, nothing on standard output, standard input untouched.
TEST(UsageErrors, AreOneLineThatNamesWhatWasTyped) {
    const std::vector<Case> cases = {
        {{"frob"}, "there is no command 'frob'", ""},
        {{"lst"}, "there is no command 'lst'; did you mean 'list'?", ""},
        {{"--frob"}, "unknown option '--frob'", ""},
        {{"-f"}, "'-f' needs a value: FILE", ""},
        {{"help", "frob"}, "there is no command 'frob'", ""},
        {{"help", "shwo"}, "there is no command 'shwo'; did you mean 'show'?", ""},
        {{"-f", "-"},
         "the dialogue reads its answers from standard input and saves the data file, so '-f -' "
         "cannot be its data file",
         ""},
        {{"list", "extra"}, "unexpected argument 'extra' for list", "list"},
        {{"list", "show", "1"}, "unexpected argument 'show' for list", "list"},
        {{"list", "-f", "a", "--file=b"}, "'--file' is given more than once", "list"},
        {{"-f", "a", "list", "-f", "b"}, "'-f' is given more than once", "list"},
        {{"show"}, "show needs the number N of a data-input", "show"},
        {{"show", "x"}, "show takes the number of a data-input, not 'x'", "show"},
        {{"show", "-1"}, "show takes the number of a data-input, not '-1'", "show"},
        {{"show", "1", "--file"}, "'--file' needs a value: FILE", "show"},
        {{"export", "1", "--t", "graph6"},
         "unknown option '--t' for export; did you mean '--to'?",
         "export"},
        {{"export", "1"},
         "export needs --to FORMAT: graph6, sparse6, dot, edgelist, adjlist, graphml, gml, tikz, "
         "svg, png or pdf",
         "export"},
        {{"export", "1", "--to", "a", "--to", "b"}, "'--to' is given more than once", "export"},
        {{"export", "1", "-f"}, "'-f' needs a value: FILE", "export"},
        {{"export", "1", "--to", "grph6"},
         "unknown format 'grph6' for --to; did you mean 'graph6'?",
         "export"},
        {{"export", "1", "--to", "jpeg"},
         "unknown format 'jpeg' for --to; it takes graph6, sparse6, dot, edgelist, adjlist, "
         "graphml, gml, tikz, svg, png or pdf",
         "export"},
        {{"export", "1", "--to", "dot", "--base", "0"},
         "--base is for edgelist and adjlist, whose labels it counts; dot has none",
         "export"},
        {{"export", "x", "--to", "dot"},
         "export takes a data-input number (1 or more) or all, not 'x'",
         "export"},
        {{"export", "all", "--to", "edgelist"},
         "an edgelist holds one graph; export the data-inputs one by one",
         "export"},
        {{"import", "--from", "dot"},
         "dot is written, not read; --from takes graph6, sparse6, edgelist, adjlist, graphml or "
         "gml",
         "import"},
        {{"import", "--from", "graph6", "--base", "0"},
         "--base is for edgelist and adjlist, whose labels it counts; graph6 has none",
         "import"},
        {{"import", "--from", "edgelist", "--base", "2"}, "--base takes 0 or 1, not '2'", "import"},
        {{"import", "--from", "edgelist", "-f", "x"},
         "-f names the data file, which import only writes with --append",
         "import"},
        {{"import", "--from", "edgelist", "--append", "-f", "-"},
         "--append writes to the data file, which '-f -' cannot be",
         "import"},
        {{"import", "--form", "graph6"},
         "unknown option '--form' for import; did you mean '--from'?",
         "import"},
        {{"convert", "--from", "graph6"},
         "convert needs --to FORMAT: graph6, sparse6, dot, edgelist, adjlist, graphml, gml, tikz, "
         "svg, png or pdf",
         "convert"},
        {{"convert", "--from", "sparse6", "--to", "dot", "--base", "1"},
         "--base is for edgelist and adjlist, whose labels it counts; sparse6 and dot have none",
         "convert"},
        // What people type from habit gets a hint, and nauty's short names
        // in any case count as the formats they name.
        {{"version"}, "there is no command 'version'; did you mean '--version'?", ""},
        {{"export", "ALL", "--to", "g6"},
         "export takes a data-input number (1 or more) or all, not 'ALL'; did you mean 'all'?",
         "export"},
        {{"export", "all", "--to", "GML"},
         "an gml holds one graph; export the data-inputs one by one",
         "export"},
        {{"import", "--from", "DOT"},
         "dot is written, not read; --from takes graph6, sparse6, edgelist, adjlist, graphml or "
         "gml",
         "import"},
        {{"import", "--from", "s6", "-o", "x", "--append"},
         "-o writes the data-inputs to OUTFILE, --append adds them to the data file; give one of "
         "them",
         "import"},
        {{"edit"}, "edit needs the number N of a data-input", "edit"},
        {{"edit", "1", "--link"}, "'--link' needs a value: A-B", "edit"},
    };
    // Words of the parser's own messages, none of which may reach the user.
    const std::vector<std::string> parser_words = {
        "not expected", "required", "Could not", "At Most", "At Least", "missing", "Run with",
        "TEXT",         "INT",      "is not in", "Needs",   "Excludes", "Expected"};
    for (const Case& c : cases) {
        std::vector<const char*> args = c.args;
        args.insert(args.begin(), "ugraph");
        std::istringstream in("typed");
        std::ostringstream out;
        std::ostringstream err;
        const int status = run_in_context(args, in, out, err);
        const std::string help = c.help.empty() ? "" : c.help + " ";
        EXPECT_EQ(status, 2) << c.told;
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), "ugraph: " + c.told + " (see 'ugraph " + help + "--help')\n");
        EXPECT_EQ(in.tellg(), 0) << c.told;  // a command never reads standard input
        for (const std::string& words : parser_words) {
            EXPECT_EQ(err.str().find(words), std::string::npos) << err.str();
        }
    }
}

TEST(UsageErrors, SuggestOnlyANameThatIsASlipAway) {
    const std::vector<std::string> names = {"list", "show", "export", "import", "help", "-f", "-o"};
    EXPECT_EQ(near_name("lsit", names), "list");     // two swapped
    EXPECT_EQ(near_name("expot", names), "export");  // one left out
    EXPECT_EQ(near_name("shows", names), "show");    // one added
    EXPECT_EQ(near_name("imbort", names), "import");
    EXPECT_EQ(near_name("-x", names), std::nullopt);  // too short to be sure
    EXPECT_EQ(near_name("frob", names), std::nullopt);
    EXPECT_EQ(near_name("list", names), std::nullopt);  // nothing to suggest
}

}  // namespace
}  // namespace ugraph
