#include "datainput/data_input_reader.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "datainput/data_input_text.hpp"

namespace ugraph {
namespace {

struct Found {
    std::vector<DataInput> inputs;
    std::string echoed;
};

Found read_all(const std::string& file) {
    std::istringstream in(file);
    DataInputReader reader(in);
    Found found;
    DataInput input;
    while (reader.next(input, [&](std::string_view piece) { found.echoed += piece; })) {
        found.inputs.push_back(input);
        found.echoed += '|';
    }
    EXPECT_FALSE(reader.failed());
    return found;
}

TEST(DataInputReader, SeesTheFileAsATextModeReaderDoes) {
    const Found f =
        read_all("free ] text\r\n[U \"a\",\r\n (1)][D x]\n\n[u \"c\"\x1a, (1)]\n[U \"d\"]");
    ASSERT_EQ(f.inputs.size(), 3U);
    EXPECT_EQ(f.inputs[0].text, "[U \"a\",\n (1)]");
    EXPECT_EQ(f.inputs[0].line, 2U);
    EXPECT_EQ(f.inputs[1].text, "[D x]");  // "]" directly followed by "["
    EXPECT_EQ(f.inputs[1].number, 2);
    EXPECT_EQ(f.inputs[1].line, 3U);
    // Ctrl-Z ends the file inside the third one, which is cut off there.
    EXPECT_EQ(f.inputs[2].text, "[u \"c\"");
    EXPECT_FALSE(f.inputs[2].closed);
    EXPECT_TRUE(f.inputs[0].closed && f.inputs[1].closed);
    EXPECT_EQ(f.echoed, "[U \"a\",\n (1)|[D x|[u \"c\"|");
    EXPECT_TRUE(read_all("no data-input\x1a[U \"hidden\"]").inputs.empty());
}

TEST(DataInputReader, KeepsEnoughOfALongDataInputAndEchoesAllOfIt) {
    // Long enough to cross the reader's chunks several times.
    const std::string body(200000, 'x');
    const Found f = read_all("[U \"long\"" + body + "]\r\n[U \"next\"]");
    ASSERT_EQ(f.inputs.size(), 2U);
    EXPECT_EQ(f.inputs[0].text.size(), MAX_DATA_INPUT_CHARS + 1);
    EXPECT_EQ(f.inputs[0].length, 9 + body.size() + 1);
    EXPECT_EQ(f.inputs[1].text, "[U \"next\"]");
    EXPECT_EQ(f.inputs[1].line, 2U);
    EXPECT_EQ(f.echoed, "[U \"long\"" + body + "|[U \"next\"|");
    // Line ends inside a long data-input count for the lines of the ones after it.
    std::string lines;
    for (int k = 0; k < 3000; ++k)
        lines += std::string(99, 'y') + '\n';
    const Found g = read_all("[U \"lines\"" + lines + "]\n[U \"after\"]");
    ASSERT_EQ(g.inputs.size(), 2U);
    EXPECT_EQ(g.inputs[0].length, 10 + lines.size() + 1);
    EXPECT_EQ(g.inputs[1].line, 3002U);
    EXPECT_EQ(g.echoed, "[U \"lines\"" + lines + "|[U \"after\"|");
}

}  // namespace
}  // namespace ugraph
