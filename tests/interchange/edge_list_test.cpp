#include "interchange/edge_list.hpp"

#include <gtest/gtest.h>

#include "graph/ugraph.hpp"
#include "import_helpers.hpp"
#include "interchange/line_reader.hpp"

namespace ugraph {
namespace {

// As NetworkX writes it (data "{}" or a dict after the labels), by hand
// (comments, blank lines, tabs, CRLF, a link twice in either direction, a
// sign), with labels from 0, and refused at its first bad line.
TEST(EdgeList, ReadsOneGraphOrRefusesItAtItsFirstBadLine) {
    const struct {
        std::string text;
        int base;
        std::string outcome;
    } cases[] = {
        {"1 2 {}\n2 3 {'weight': 3}\n", 1, "1: 3 vertices 1-2 2-3"},
        {"# by hand\n\n  7\t3  # a comment\n3 7\r\n+5 05\n", 1, "3: 7 vertices 3-7 5-5"},
        {"0 49\n0 0", 0, "1: 50 vertices 1-1 1-50"},
        {"# only a comment\n\n   \n", 1, "no graph"},
        {"1 2\n2 x3\n1 51\n", 1, "2: label x3 is not a whole number"},
        {"1 2\n\n1 51\n", 1, "3: label 51 is out of range 1..50"},
        {"1 -1\n", 0, "1: label -1 is out of range 0..49"},
        {"1 " + std::string(30, '9'), 1, "1: label 99999999999999999999... is out of range 1..50"},
        {"1 2\n3\n", 1, "2: a link needs two labels"},
        {"1 \x01\n", 1, "1: label ? is not a whole number"},
    };
    for (const auto& [text, base, outcome] : cases) {
        EXPECT_EQ(list_outcome(text, Format::edgelist, base), outcome) << text;
    }
}

// Self-loops stay outside the budget and a repeated link counts once, so
// the refusal comes on the line of link 625.
TEST(EdgeList, RefusesTheLinkBeyondTheLimitOnItsLine) {
    std::string text;
    int links = 0;
    for (int a = 1; a <= MAX_NODES; ++a) {
        text += std::to_string(a) + " " + std::to_string(a) + "\n";
        for (int b = a + 1; b <= MAX_NODES && links < MAX_LINKS; ++b, ++links) {
            text += std::to_string(b) + " " + std::to_string(a) + "\n1 2\n";
        }
    }
    EXPECT_EQ(list_outcome(text, Format::edgelist).substr(0, 15), "1: 50 vertices ");
    EXPECT_EQ(list_outcome(text + "\n49 50\n1 2\n", Format::edgelist),
              "1300: it has 625 links; a Ugraph holds at most 624");
}

// Only the labels are needed, so a long line of data behind them is fine;
// labels the cut leaves unfinished, or does not reach, are not.
TEST(EdgeList, ReadsLabelsBeforeAnOverlongTailButNotACutLabel) {
    EXPECT_EQ(list_outcome("1 2 " + std::string(100'000, 'x') + "\n2 3\n", Format::edgelist),
              "1: 3 vertices 1-2 2-3");
    const std::string spaces(LineReader::LINE_CAP - 2, ' ');
    for (const std::string& line : {std::string(100'000, ' ') + "3 4", "1" + spaces + "23"}) {
        EXPECT_EQ(list_outcome("1 2\n" + line + "\n", Format::edgelist), "2: the line is too long");
    }
}

}  // namespace
}  // namespace ugraph
