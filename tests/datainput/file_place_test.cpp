#include "datainput/file_place.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "datainput/data_input_text.hpp"
#include "datainput/name_rules.hpp"

namespace ugraph {
namespace {

std::vector<DataInput> read_all(const std::string& file) {
    std::istringstream in(file);
    DataInputReader reader(in);
    std::vector<DataInput> inputs;
    DataInput input;
    while (reader.next(input)) {
        inputs.push_back(input);
    }
    return inputs;
}

TEST(DataInputReader, TellsWhereEachDataInputStandsInTheRawBytes) {
    const std::string file = "ab\r\n x\r[U \"a\",\r\n (1)] [D]\r\n[U\x1a]";
    const std::vector<DataInput> inputs = read_all(file);
    ASSERT_EQ(inputs.size(), 3U);
    EXPECT_EQ(file.substr(inputs[0].start, inputs[0].end - inputs[0].start), "[U \"a\",\r\n (1)]");
    // The CR before it is no character of its line.
    EXPECT_EQ(inputs[0].column, 3U);
    EXPECT_EQ(file.substr(inputs[1].start, inputs[1].end - inputs[1].start), "[D]");
    EXPECT_EQ(inputs[1].line, 3U);
    EXPECT_EQ(inputs[1].column, 7U);
    // Left open by the Ctrl-Z: it ends where the mark stands.
    EXPECT_EQ(file.substr(inputs[2].start, inputs[2].end - inputs[2].start), "[U");
    EXPECT_EQ(inputs[2].column, 1U);
    EXPECT_EQ(read_all("[U")[0].end, 2U);
}

// A reader that places only the data-inputs asked about places them as one
// that places each, a data-input that crosses its buffers included.
TEST(DataInputReader, PlacesWhenAskedAsWhenPlacingEach) {
    const std::string file = "x\r\n  [U \"a\", (1)]\r\n[U \"long\"" + std::string(70'000, ' ') +
                             "\n\r\n (1)] [U \"b\",\r\n (1)x]\r\n\r\n   [U \"c\"]\n[U \"d\"]";
    const std::vector<DataInput> each = read_all(file);
    ASSERT_EQ(each.size(), 5U);
    std::istringstream in(file);
    DataInputReader reader(in, Placing::when_asked);
    DataInput input;
    for (std::size_t k = 0; k < each.size(); ++k) {
        ASSERT_TRUE(reader.next(input));
        EXPECT_EQ(input.line, 0U);
        if (k % 2 == 1 || k == each.size() - 1) {
            reader.place(input);
            EXPECT_EQ(input.line, each[k].line) << k;
            EXPECT_EQ(input.column, each[k].column) << k;
        }
    }
    EXPECT_EQ(each[1].line, 3U);
    EXPECT_EQ(each[3].line, 8U);
    EXPECT_EQ(each[3].column, 4U);
}

std::string refusal_in(const std::string& file) {
    const DataInput input = read_all(file).at(0);
    DataInputLinks read;
    Result<> parsed = parse_data_input(input.text, read);
    EXPECT_FALSE(parsed);
    return parsed ? std::string() : placed_reason(parsed.reason(), input);
}

TEST(PlacedReason, TellsTheLineAndColumnOfARefusedCharacter) {
    EXPECT_EQ(refusal_in("free\r\n  [U \"a\", (1)x]"), "unexpected 'x' at line 2, column 14");
    EXPECT_EQ(refusal_in("free\r\n  [U \"a\",\r\n (1)x]"), "unexpected 'x' at line 3, column 5");
    // A line end in the node groups is refused where it stands: the end of its line.
    EXPECT_EQ(refusal_in("[U \"a\", (1),2\r\n]"), "unexpected line end at line 1, column 14");
    EXPECT_EQ(refusal_in("\n\n[U \"a\", (1)0 2]"),
              "the 0 at line 3, column 12 had already closed the list of node 1, so the number "
              "at line 3, column 14 has no place");
    // Reasons without a character keep their words.
    EXPECT_EQ(refusal_in("[U \"a\"]"), "it has no node header after its name");
}

TEST(CheckGivenName, RefusesRatherThanCuts) {
    EXPECT_TRUE(check_given_name(""));
    EXPECT_TRUE(check_given_name("fifteen chars!!"));
    EXPECT_TRUE(check_given_name("a\nb [x) 'q'"));
    EXPECT_EQ(check_given_name("sixteen chars!!!").reason(),
              "the name has 16 characters; a name holds at most 15");
    EXPECT_EQ(check_given_name("say \"hi\"").reason(),
              "the name holds a double quote, which would end it in the data file");
    EXPECT_EQ(check_given_name("a]").reason(),
              "the name holds ']', which would end it in the data file");
    EXPECT_EQ(check_given_name("a\r").reason(),
              "the name holds a carriage return, which would end it in the data file");
    EXPECT_EQ(check_given_name("a\x1a").reason(),
              "the name holds Ctrl-Z, which would end it in the data file");
}

}  // namespace
}  // namespace ugraph
