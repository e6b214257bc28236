#include "console/console.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

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

// Lines as a person edits them at a terminal, and the prompts they were
// edited behind.
class ScriptedEditor : public LineEditor {
public:
    explicit ScriptedEditor(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    bool read_line(std::string_view prompt, std::string& line) override {
        prompts.emplace_back(prompt);
        if (next_ == lines_.size()) {
            return false;
        }
        line = lines_[next_++];
        return true;
    }
    std::vector<std::string> prompts;

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

TEST(ConsoleWithLineEditor, HandsTheOpenLineAsPromptAndReadsEveryByteOfTheEditedLines) {
    ScriptedEditor editor({"K\n", "Tri\xc3\xb1\r\n", "4 2 3\n"});
    std::istringstream unused("never read");
    std::ostringstream out;
    {
        Console console(unused, out, &editor);
        console.write_line("Where?");
        console.print("type ");
        console.print("K  ");
        EXPECT_EQ(console.read_choice_key(), 'K');
        console.print("name   ");
        std::string name;
        ASSERT_TRUE(console.read_text_line(name));
        EXPECT_EQ(name, "Tri\xc3\xb1\r");
        console.print("count:  ");
        std::int32_t n = 0;
        EXPECT_EQ(console.read_number(n), NumberRead::number);
        EXPECT_EQ(n, 4);
        // The rest of a line is read by the next question, without a prompt.
        console.print("(1),");
        ASSERT_TRUE(console.read_text_line(name));
        EXPECT_EQ(name, "2 3");
        EXPECT_EQ(out.str(), "Where?\n");
        console.print("last\nkey ");
        EXPECT_EQ(console.read_choice_key(), END_OF_INPUT);
        EXPECT_EQ(console.read_choice_key(), END_OF_INPUT);  // the editor is not asked again
        console.print("bye");
    }
    EXPECT_EQ(editor.prompts,
              (std::vector<std::string>{"type K  ", "name   ", "count:  ", "key "}));
    // Whatever was printed and not shown as a prompt is printed, in order.
    EXPECT_EQ(out.str(), "Where?\n(1),last\nbye");
    EXPECT_EQ(unused.tellg(), 0);
}

}  // namespace
}  // namespace ugraph
