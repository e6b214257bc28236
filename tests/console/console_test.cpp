#include "console/console.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace ugraph {
namespace {

struct Typed {
    explicit Typed(const std::string& text) : in(text) {}
    std::istringstream in;
    std::ostringstream out;
    Console console{in, out};
    std::string rest() { return {std::istreambuf_iterator<char>(in), {}}; }
};

TEST(ConsoleChoiceKey, KeepsOneCharacterAndDropsTheNext) {
    Typed t("Kx\nrest");
    EXPECT_EQ(t.console.read_choice_key(), 'K');
    EXPECT_EQ(t.rest(), "\nrest");

    Typed enter("\nY\n");
    EXPECT_EQ(enter.console.read_choice_key(), '\n');  // Enter alone eats the Y
    EXPECT_EQ(enter.rest(), "\n");

    Typed none("");
    EXPECT_EQ(none.console.read_choice_key(), END_OF_INPUT);
}

TEST(ConsoleNumber, LeavesAllButTheCharacterAfterTheDigits) {
    Typed t("  \n -42 2 3\n");
    std::int32_t n = 7;
    EXPECT_EQ(t.console.read_number(n), NumberRead::number);
    EXPECT_EQ(n, -42);
    EXPECT_EQ(t.rest(), "2 3\n");
}

TEST(ConsoleNumber, WithoutDigitsKeepsTheValueAndDropsOneCharacter) {
    Typed t("x7\n");
    std::int32_t n = 5;
    EXPECT_EQ(t.console.read_number(n), NumberRead::no_number);
    EXPECT_EQ(n, 5);
    EXPECT_EQ(t.console.read_number(n), NumberRead::number);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(t.console.read_number(n), NumberRead::end_of_input);
    EXPECT_EQ(n, 7);
}

TEST(ConsoleNumber, StopsAtTheEndsOfTheRangeInsteadOfOverflowing) {
    Typed t("99999999999999999999 -99999999999999999999 2147483647 -2147483648");
    std::int32_t n = 0;
    const std::int32_t expected[] = {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN};
    for (const std::int32_t value : expected) {
        ASSERT_EQ(t.console.read_number(n), NumberRead::number);
        EXPECT_EQ(n, value);
    }
}

TEST(ConsoleTextLine, ReadsWholeLinesOfAnyLength) {
    const std::string long_line(100000, 'a');
    Typed t("\n" + long_line + "\nlast");
    std::string line = "old";
    ASSERT_TRUE(t.console.read_text_line(line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(t.console.read_text_line(line));
    EXPECT_EQ(line, long_line);
    ASSERT_TRUE(t.console.read_text_line(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(t.console.read_text_line(line));
    EXPECT_EQ(line, "last");
}

TEST(ConsoleSkipRestOfLine, DropsOnlyAnUnfinishedLine) {
    Typed t("12 abc\nnext\n");
    std::int32_t n = 0;
    t.console.read_number(n);
    t.console.skip_rest_of_line();
    EXPECT_EQ(t.rest(), "next\n");

    Typed whole("12\nnext\n");
    whole.console.read_number(n);
    whole.console.skip_rest_of_line();
    EXPECT_EQ(whole.rest(), "next\n");
}

}  // namespace
}  // namespace ugraph
