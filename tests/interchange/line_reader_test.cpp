#include "interchange/line_reader.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ugraph {
namespace {

struct Line {
    std::size_t size;
    char first;
    bool cut;
    bool operator==(const Line&) const = default;
};

std::vector<Line> lines_of(const std::string& text) {
    std::istringstream in(text);
    LineReader reader(in);
    std::vector<Line> lines;
    std::string_view line;
    bool cut = false;
    while (reader.next(line, cut)) {
        lines.push_back({line.size(), line.empty() ? '\0' : line[0], cut});
        EXPECT_EQ(reader.number(), lines.size());
    }
    return lines;
}

// Lines around the cap, and around the block reads behind it: a line that
// fits is whole wherever the blocks split it; one byte more and it is cut,
// and its rest is not taken for a line of its own.
TEST(LineReader, CutsOnlyLinesLongerThanTheCap) {
    const std::size_t cap = LineReader::LINE_CAP;
    const std::string text = std::string(cap, 'a') + "\n" + std::string(cap + 1, 'b') + "\n" +
                             std::string(5 * cap, 'c') + "\n\n" + std::string(cap - 3, 'd') +
                             "\nlast";
    EXPECT_EQ(lines_of(text), (std::vector<Line>{{cap, 'a', false},
                                                 {cap, 'b', true},
                                                 {cap, 'c', true},
                                                 {0, '\0', false},
                                                 {cap - 3, 'd', false},
                                                 {4, 'l', false}}));
}

TEST(LineReader, GivesNoLineForAnEmptyInputOrAfterTheLastLineEnd) {
    EXPECT_TRUE(lines_of("").empty());
    EXPECT_EQ(lines_of("x\n"), (std::vector<Line>{{1, 'x', false}}));
    EXPECT_EQ(lines_of(std::string(LineReader::LINE_CAP + 7, 'z')),
              (std::vector<Line>{{LineReader::LINE_CAP, 'z', true}}));
}

}  // namespace
}  // namespace ugraph
