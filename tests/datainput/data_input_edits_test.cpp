#include "datainput/data_input_edits.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "datainput/data_input_reader.hpp"

namespace ugraph {
namespace {

// A library as a user keeps one: CR LF line ends, a title, data-inputs alone
// on their lines (one indented and followed by a tab), one with free text
// beside it, one over two lines, two sharing a line, the last without a line
// end, and a Ctrl-Z with a hidden data-input behind it.
const std::string LIBRARY =
    "Test graphs\r\n"
    "[U \"one\", (1),2]\r\n"
    "  [U \"two\", (1),2,3, (2)]\t\r\n"
    "see: [U \"three\", (1)] and more\r\n"
    "[U \"four\",\r\n (1),2]\r\n"
    "[U \"five\", (2)][U \"six\", (1)]\r\n"
    "[U \"seven\", (1)]"
    "\x1a[U \"hidden\"] after the mark\r\n";

using Edit = std::function<Result<>(std::istream&, std::ostream&)>;

Result<std::string> edited(const std::string& old, const Edit& edit) {
    std::istringstream in(old);
    std::ostringstream out;
    Result<> done = edit(in, out);
    if (!done) {
        return done.refusal();
    }
    return out.str();
}

std::string must_edit(const std::string& old, const Edit& edit) {
    Result<std::string> text = edited(old, edit);
    EXPECT_TRUE(text) << text.reason();
    return text ? text.value() : std::string();
}

// The data-inputs as the reader sees them, CRs dropped.
std::vector<std::string> inputs_of(const std::string& content) {
    std::istringstream in(content);
    DataInputReader reader(in);
    std::vector<std::string> texts;
    DataInput input;
    while (reader.next(input)) {
        texts.push_back(input.text);
    }
    return texts;
}

std::string replaced(const std::string& text, const std::string& from, const std::string& to) {
    std::string result = text;
    const std::size_t at = result.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? result : result.replace(at, from.size(), to);
}

Edit replace(int number, std::string_view text) {
    return [=](std::istream& in, std::ostream& out) {
        return replace_data_input(in, out, number, text);
    };
}
Edit remove(const std::vector<int>& numbers) {
    return
        [=](std::istream& in, std::ostream& out) { return delete_data_inputs(in, out, numbers); };
}
Edit rename(int number, std::string_view name) {
    return [=](std::istream& in, std::ostream& out) {
        return rename_data_input(in, out, number, name);
    };
}
Edit move(int from, int to) {
    return [=](std::istream& in, std::ostream& out) { return move_data_input(in, out, from, to); };
}

TEST(ReplaceDataInput, ChangesThatTextAloneEveryOtherByteKept) {
    EXPECT_EQ(must_edit(LIBRARY, replace(3, "[U \"new\", (1),2]")),
              replaced(LIBRARY, "[U \"three\", (1)]", "[U \"new\", (1),2]"));
    // The line end inside a data-input over two lines goes with its text.
    EXPECT_EQ(must_edit(LIBRARY, replace(4, "[U \"4\"]")),
              replaced(LIBRARY, "[U \"four\",\r\n (1),2]", "[U \"4\"]"));
    EXPECT_EQ(must_edit(LIBRARY, replace(7, "[U \"7\"]")),
              replaced(LIBRARY, "[U \"seven\", (1)]", "[U \"7\"]"));
    // Free text before the first data-input and "]" in it change nothing.
    EXPECT_EQ(must_edit("a ] b[U \"x\"]c", replace(1, "[U]")), "a ] b[U]c");
}

TEST(ReplaceDataInput, RefusesWhatWouldChangeOtherDataInputs) {
    EXPECT_EQ(edited(LIBRARY, replace(8, "[U]")).reason(),
              "there is no data-input 8; the data file holds 7");
    EXPECT_EQ(edited(LIBRARY, replace(0, "[U]")).reason(),
              "there is no data-input 0; the data file holds 7");
    EXPECT_EQ(edited("", replace(1, "[U]")).reason(),
              "there is no data-input 1; the data file holds 0");
    // A data-input that the end of the file or its Ctrl-Z leaves open.
    const std::string open = "[U \"a\", (1)]\r\n[U \"b\", (1)\x1a]";
    EXPECT_EQ(edited(open, replace(2, "[U]")).reason(),
              "data-input 2 is not closed by ']' before the end of the file");
    EXPECT_EQ(must_edit(open, replace(1, "[U]")), "[U]\r\n[U \"b\", (1)\x1a]");
    for (const char* text : {"", "[U", "U]", "[U]x", "[U [x]", "[U ]x]", "[U \r]", "[U\x1a]"}) {
        EXPECT_EQ(edited(LIBRARY, replace(1, text)).reason(),
                  "the new text is not one data-input from '[' to ']'")
            << text;
    }
}

TEST(ReplaceDataInput, RefusesAContentChangedSinceItWasLoaded) {
    std::istringstream loading(LIBRARY);
    const Result<Fingerprint> loaded = fingerprint_of(loading);
    ASSERT_TRUE(loaded);
    const auto guarded = [&](const std::string& now) {
        return edited(now, [&](std::istream& in, std::ostream& out) {
            return replace_data_input(in, out, 1, "[U]", loaded.value());
        });
    };
    EXPECT_TRUE(guarded(LIBRARY));
    // A change behind the Ctrl-Z, which no reader sees, counts as well.
    EXPECT_EQ(guarded(LIBRARY + "x").reason(), CHANGED_MEANWHILE);
    EXPECT_EQ(guarded(replaced(LIBRARY, "seven", "seveN")).reason(), CHANGED_MEANWHILE);
    EXPECT_EQ(guarded("").reason(), CHANGED_MEANWHILE);
}

TEST(DeleteDataInputs, TakesTheLineOfADataInputAloneOnIt) {
    EXPECT_EQ(must_edit(LIBRARY, remove({1})), replaced(LIBRARY, "[U \"one\", (1),2]\r\n", ""));
    // Blanks around it and the tab go with the line.
    EXPECT_EQ(must_edit(LIBRARY, remove({2})),
              replaced(LIBRARY, "  [U \"two\", (1),2,3, (2)]\t\r\n", ""));
    EXPECT_EQ(must_edit(LIBRARY, remove({4})),
              replaced(LIBRARY, "[U \"four\",\r\n (1),2]\r\n", ""));
    // The last, without a line end, before the Ctrl-Z: the mark and what
    // follows it stay.
    EXPECT_EQ(must_edit(LIBRARY, remove({7})), replaced(LIBRARY, "[U \"seven\", (1)]", ""));
    // LF alone, and a file of one data-input.
    EXPECT_EQ(must_edit("a\n[U]\nb\n", remove({1})), "a\nb\n");
    EXPECT_EQ(must_edit("[U]", remove({1})), "");
}

TEST(DeleteDataInputs, TakesTheTextAloneWhereSomethingStandsBesideIt) {
    EXPECT_EQ(must_edit(LIBRARY, remove({3})), replaced(LIBRARY, "[U \"three\", (1)]", ""));
    EXPECT_EQ(must_edit(LIBRARY, remove({5, 6})),
              replaced(LIBRARY, "[U \"five\", (2)][U \"six\", (1)]", ""));
    // A lone CR is no line end.
    EXPECT_EQ(must_edit("[U]\rx\r\n", remove({1})), "\rx\r\n");
}

TEST(DeleteDataInputs, TakesSeveralInAnyOrderOrNoneAtAll) {
    const std::string left = must_edit(LIBRARY, remove({6, 2, 2, 1}));
    EXPECT_EQ(inputs_of(left),
              (std::vector<std::string>{"[U \"three\", (1)]", "[U \"four\",\n (1),2]",
                                        "[U \"five\", (2)]", "[U \"seven\", (1)]"}));
    EXPECT_EQ(left.substr(0, 13), "Test graphs\r\n");
    EXPECT_EQ(edited(LIBRARY, remove({2, 9})).reason(),
              "there is no data-input 9; the data file holds 7");
    EXPECT_EQ(edited("[U]\r\n[U", remove({2})).reason(),
              "data-input 2 is not closed by ']' before the end of the file");
}

TEST(RenameDataInput, ChangesOnlyTheBytesBetweenTheQuotes) {
    EXPECT_EQ(must_edit(LIBRARY, rename(4, "IV")), replaced(LIBRARY, "\"four\"", "\"IV\""));
    EXPECT_EQ(must_edit(LIBRARY, rename(1, "")), replaced(LIBRARY, "\"one\"", "\"\""));
    // The node groups stay as written, odd filler and all; a name over a
    // line end is replaced whole.
    EXPECT_EQ(must_edit("[u x\"a\r\nb\"\"c\" ,(3)1 ,]", rename(1, "n")), "[u x\"n\"\"c\" ,(3)1 ,]");
    EXPECT_EQ(edited("[U one\" (1)]", rename(1, "x")).reason(),
              "data-input 1 has no name between two double quotes");
    // A quote after the "]" belongs to another data-input's text or free text.
    EXPECT_EQ(edited("[U \"a]\"", rename(1, "x")).reason(),
              "data-input 1 has no name between two double quotes");
}

TEST(RenameDataInput, WritesNothingForTheNameItHoldsAlready) {
    for (const auto& [name, same] : {std::pair{"four", true}, {"fouR", false}, {"fou", false}}) {
        std::istringstream in(LIBRARY);
        std::ostringstream out;
        bool unchanged = !same;
        ASSERT_TRUE(rename_data_input(in, out, 4, name, &unchanged)) << name;
        EXPECT_EQ(unchanged, same) << name;
        EXPECT_EQ(out.str(),
                  same ? "" : replaced(LIBRARY, "\"four\"", '"' + std::string(name) + '"'));
    }
}

TEST(MoveDataInput, MovesALineAloneOnItsLineBeforeOrAfterTheOtherLine) {
    const std::string one = "[U \"one\", (1),2]\r\n";
    const std::string two = "  [U \"two\", (1),2,3, (2)]\t\r\n";
    EXPECT_EQ(must_edit(LIBRARY, move(1, 2)), replaced(LIBRARY, one + two, two + one));
    EXPECT_EQ(must_edit(LIBRARY, move(2, 1)), replaced(LIBRARY, one + two, two + one));
    EXPECT_EQ(must_edit(LIBRARY, move(3, 3)), LIBRARY);
    // To the last line, which has no line end: the moved line's goes before it.
    EXPECT_EQ(must_edit(LIBRARY, move(1, 7)),
              replaced(replaced(LIBRARY, one, ""), "(1)]\x1a", "(1)]\r\n[U \"one\", (1),2]\x1a"));
    // From it: the line before lends its line end, and the content ends
    // without one as it did.
    EXPECT_EQ(must_edit(LIBRARY, move(7, 1)),
              "Test graphs\r\n[U \"seven\", (1)]\r\n" + one + two +
                  "see: [U \"three\", (1)] and more\r\n[U \"four\",\r\n (1),2]\r\n"
                  "[U \"five\", (2)][U \"six\", (1)]\x1a[U \"hidden\"] after the mark\r\n");
}

TEST(MoveDataInput, MovesTheTextAloneWhereEitherHasCompany) {
    const std::string moved = must_edit(LIBRARY, move(3, 5));
    EXPECT_EQ(moved, replaced(replaced(LIBRARY, "[U \"three\", (1)]", ""), "(2)][U \"six\"",
                              "(2)][U \"three\", (1)][U \"six\""));
    EXPECT_EQ(inputs_of(moved)[4], "[U \"three\", (1)]");
    const std::string back = must_edit(LIBRARY, move(6, 2));
    EXPECT_EQ(back, replaced(replaced(LIBRARY, "[U \"six\", (1)]", ""), "  [U \"two\"",
                             "  [U \"six\", (1)][U \"two\""));
    EXPECT_EQ(inputs_of(back)[1], "[U \"six\", (1)]");
}

TEST(MoveDataInput, RefusesANumberOutsideOrADataInputLeftOpen) {
    EXPECT_EQ(edited(LIBRARY, move(1, 8)).reason(),
              "there is no data-input 8; the data file holds 7");
    EXPECT_EQ(edited(LIBRARY, move(0, 1)).reason(),
              "there is no data-input 0; the data file holds 7");
    const std::string open = "[U \"a\"]\n[U \"b\"]\n[U \"c\"";
    EXPECT_EQ(edited(open, move(1, 3)).reason(),
              "data-input 3 is not closed by ']' before the end of the file");
    EXPECT_EQ(must_edit(open, move(2, 1)), "[U \"b\"]\n[U \"a\"]\n[U \"c\"");
}

// Every data-input ordering a move can give, on a small file of LF and CR
// LF lines: the one moved lands at its number, the others keep their order,
// and no byte is lost or added.
TEST(MoveDataInput, LandsAtItsNumberFromEveryPlaceToEvery) {
    const std::string file = "x\n[U \"1\"]\r\n[U \"2\"] y\n[U \"3\"]\n\n[U \"4\"]";
    const std::vector<std::string> before = inputs_of(file);
    for (int from = 1; from <= 4; ++from) {
        for (int to = 1; to <= 4; ++to) {
            const std::string moved = must_edit(file, move(from, to));
            std::vector<std::string> expected = before;
            const std::string text = expected[from - 1];
            expected.erase(expected.begin() + from - 1);
            expected.insert(expected.begin() + to - 1, text);
            EXPECT_EQ(inputs_of(moved), expected) << from << " to " << to;
            std::string a = moved;
            std::string b = file;
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            EXPECT_EQ(a, b) << from << " to " << to;
        }
    }
}

// Far beyond the reader's buffer of 64 KiB, so that offsets cross buffers.
TEST(DataInputEdits, KeepOffsetsAcrossALongContent) {
    const std::string padding(200000, 'z');
    const std::string file = padding + "\r\n[U \"a\", (1)]\r\n" + padding + "[U \"b\"]" + padding;
    EXPECT_EQ(must_edit(file, replace(2, "[U \"c\"]")), replaced(file, "[U \"b\"]", "[U \"c\"]"));
    EXPECT_EQ(must_edit(file, remove({1})), replaced(file, "[U \"a\", (1)]\r\n", ""));
    EXPECT_EQ(must_edit(file, rename(2, "bee")), replaced(file, "\"b\"", "\"bee\""));
}

// A stream that can be read but not sought, as a pipe.
class OneWayBuffer : public std::stringbuf {
public:
    using std::stringbuf::stringbuf;

protected:
    pos_type seekoff(off_type /*offset*/, std::ios_base::seekdir /*way*/,
                     std::ios_base::openmode /*which*/) override {
        return {off_type(-1)};
    }
    pos_type seekpos(pos_type /*position*/, std::ios_base::openmode /*which*/) override {
        return {off_type(-1)};
    }
};

// A stream whose reads fail, as a file on a failing disk.
class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override { throw std::ios_base::failure("input/output error"); }
};

TEST(DataInputEdits, RefuseContentThatCannotBeReadOrSoughtOrWritten) {
    OneWayBuffer one_way(LIBRARY);
    std::istream pipe(&one_way);
    std::ostringstream out;
    EXPECT_EQ(replace_data_input(pipe, out, 1, "[U]").reason(),
              "the data file's content could not be read again from a given place");
    FailingBuffer failing;
    std::istream broken(&failing);
    EXPECT_EQ(delete_data_inputs(broken, out, std::vector{1}).reason(),
              "the data file could not be read");
    std::istringstream in(LIBRARY);
    std::ostringstream full;
    full.setstate(std::ios_base::badbit);
    EXPECT_EQ(rename_data_input(in, full, 1, "x").reason(), "the new content could not be written");
}

// A content whose reads fail past a given byte, as a disk with a bad block
// far into a library: it seeks, so only the reads there fail.
class BadBlockBuffer : public std::streambuf {
public:
    BadBlockBuffer(std::string text, std::size_t bad_from)
        : text_(std::move(text)), bad_from_(bad_from) {}

protected:
    int_type underflow() override {
        if (at_ >= bad_from_) {
            throw std::ios_base::failure("input/output error");
        }
        if (at_ == text_.size()) {
            return traits_type::eof();
        }
        const std::size_t piece = std::min<std::size_t>(4096, text_.size() - at_);
        setg(text_.data() + at_, text_.data() + at_, text_.data() + at_ + piece);
        at_ += piece;
        return traits_type::to_int_type(*gptr());
    }
    pos_type seekoff(off_type offset, std::ios_base::seekdir way,
                     std::ios_base::openmode which) override {
        if (way != std::ios_base::beg) {
            return {off_type(-1)};
        }
        return seekpos(offset, which);
    }
    pos_type seekpos(pos_type position, std::ios_base::openmode /*which*/) override {
        at_ = std::min<std::size_t>(static_cast<std::size_t>(position), text_.size());
        setg(nullptr, nullptr, nullptr);
        return position;
    }

private:
    std::string text_;
    std::size_t bad_from_;
    std::size_t at_ = 0;
};

// The edits read a library only as far as the data-inputs they change; what
// lies beyond is read while it is copied, and a read that fails there still
// refuses the edit rather than cutting the library short.
TEST(DataInputEdits, RefuseABadReadBeyondTheDataInputsTheyChange) {
    const std::string tail(300000, 'z');
    const std::string file = "[U \"a\"]\r\n[U \"b\"]\r\n" + tail + "[U \"c\"]\r\n";
    const std::size_t bad_from = 200000;
    const auto on_bad_disk = [&](const Edit& edit) {
        BadBlockBuffer bad(file, bad_from);
        std::istream in(&bad);
        std::ostringstream out;
        return edit(in, out);
    };
    EXPECT_EQ(on_bad_disk(replace(2, "[U \"x\"]")).reason(), "the data file could not be read");
    EXPECT_EQ(on_bad_disk(remove({1})).reason(), "the data file could not be read");
    EXPECT_EQ(on_bad_disk(rename(1, "y")).reason(), "the data file could not be read");
    // A number beyond the last is told with the true count, read to the end.
    BadBlockBuffer whole(file, file.size() + 1);
    std::istream in(&whole);
    std::ostringstream out;
    EXPECT_EQ(replace_data_input(in, out, 4, "[U]").reason(),
              "there is no data-input 4; the data file holds 3");
}

// A stream that gives its bytes a few at a time, as a pipe or a slow disk may.
class TrickleBuffer : public std::streambuf {
public:
    explicit TrickleBuffer(std::string text) : text_(std::move(text)) {}

protected:
    int_type underflow() override {
        if (at_ == text_.size()) {
            return traits_type::eof();
        }
        const std::size_t piece = std::min<std::size_t>(7, text_.size() - at_);
        setg(text_.data() + at_, text_.data() + at_, text_.data() + at_ + piece);
        at_ += piece;
        return traits_type::to_int_type(*gptr());
    }

private:
    std::string text_;
    std::size_t at_ = 0;
};

TEST(Fingerprint, TellsEveryByteAndIsTheSameHoweverTheContentIsRead) {
    const auto of = [](const std::string& text) {
        std::istringstream in(text);
        return fingerprint_of(in).value();
    };
    const std::string long_text = std::string(150000, 'q') + "\x1a" + std::string(70000, '\r');
    TrickleBuffer trickle(long_text);
    std::istream slow(&trickle);
    EXPECT_EQ(fingerprint_of(slow).value(), of(long_text));
    EXPECT_EQ(of(long_text).size, long_text.size());
    // One byte changed, added or moved, in any block, changes it.
    std::string changed = long_text;
    changed[140000] = 'Q';
    EXPECT_NE(of(changed), of(long_text));
    EXPECT_NE(of(long_text + "x"), of(long_text));
    const std::string block(FINGERPRINT_BLOCK, 'a');
    EXPECT_NE(of(block + std::string(FINGERPRINT_BLOCK, 'b')),
              of(std::string(FINGERPRINT_BLOCK, 'b') + block));
    EXPECT_NE(of(""), of(std::string(1, '\0')));
    FailingBuffer failing;
    std::istream broken(&failing);
    EXPECT_FALSE(fingerprint_of(broken));
}

}  // namespace
}  // namespace ugraph
