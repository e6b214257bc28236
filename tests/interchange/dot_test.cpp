#include "interchange/dot.hpp"

#include <gtest/gtest.h>

#include "support/graph_of.hpp"

namespace ugraph {
namespace {

TEST(Dot, WritesEveryLinkThenEveryNode) {
    const UGraph graph = graph_of(12, "Triangle", {{1, 2}, {1, 3}, {2, 3}, {3, 3}, {3, 4}});
    std::string out = "before\n";
    append_dot(graph, out);
    EXPECT_EQ(out,
              "before\n"
              "graph \"Triangle\" {\n"
              "  layout=neato;\n"
              "  1 -- 2;\n"
              "  1 -- 3;\n"
              "  2 -- 3;\n"
              "  3 -- 3;\n"
              "  3 -- 4;\n"
              "  1; 2; 3; 4; 5; 6; 7; 8; 9; 10;\n"
              "  11; 12;\n"
              "}\n");
    out.clear();
    append_dot(graph_of(0, "", {}), out);
    EXPECT_EQ(out, "graph \"\" {\n  layout=neato;\n}\n");
}

// Graphviz reads only UTF-8 without a warning, and NetworkX's read_dot
// cannot decode anything else; a name in another encoding (here Latin-1, an
// overlong lead byte, and UTF-8 of a surrogate, which are not valid) is
// taken as Latin-1.
TEST(Dot, QuotesTheNameSoThatGraphvizReadsItBack) {
    const std::pair<std::string, std::string> cases[] = {
        {R"(say "hi")", R"("say \"hi\"")"},
        {R"(ends\)", R"("ends\\")"},
        {"caf\xC3\xA9", "\"caf\xC3\xA9\""},
        {"caf\xE9", "\"caf\xC3\xA9\""},
        {"\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xC2\x80\""},
        {"\xC1\xA9", "\"\xC3\x81\xC2\xA9\""},
    };
    for (const auto& [name, quoted] : cases) {
        std::string out;
        append_dot(graph_of(1, name, {}), out);
        EXPECT_EQ(out, "graph " + quoted + " {\n  layout=neato;\n  1;\n}\n") << name;
    }
}

}  // namespace
}  // namespace ugraph
