#pragma once
// The console: every question, answer and report of ugraph goes through one
// Console, which wraps an input and an output stream (std::cin and std::cout
// in the program, string streams in tests).
//
// Reading follows the habits of a C console program, and the dialogue relies
// on them: an answer key takes exactly one more character with it, a number
// leaves everything after the character that follows it unread, and those
// leftovers are what the next question reads.
//
// Output is flushed before any read that has to wait for typed characters,
// so a prompt without a line end is on the screen while the answer is typed.
//
// With a LineEditor (a person at a terminal) the typed characters come from
// its edited lines instead of the input stream, each line whole with its
// line end, so every rule above holds as it does for a stream. The text
// printed since the last line end is then held back and handed to the
// editor as its prompt when a read has to wait; it is printed as it is when
// more output comes first, and at the latest when the console goes.
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "console/line_editor.hpp"

namespace ugraph {

// The value read_choice_key gives at end of input; it equals no letter.
inline constexpr int END_OF_INPUT = -1;

enum class NumberRead {
    number,       // digits were read into the target
    no_number,    // no digits came; the offending character was discarded
    end_of_input  // input ended before any digit; the target is unchanged
};

class Console {
public:
    Console(std::istream& in, std::ostream& out, LineEditor* editor = nullptr);
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;
    ~Console();

    // Writes the text and one newline.
    void write_line(std::string_view text);
    // Writes the text as it stands, no newline added.
    void print(std::string_view text);
    // Shows what was written so far, for a line that must be seen before a
    // wait that is not a read (another program holding the data file).
    void flush();

    // Keeps one character and discards the next (normally the Enter after
    // the key). Gives END_OF_INPUT, and reads nothing more, at end of input.
    int read_choice_key();

    // Skips white space, reads an optional sign and decimal digits, then
    // reads and discards one character: the one after the digits, or the
    // offending one when no digits came. Without digits the target keeps its
    // value. Values beyond the 32-bit range stop at its nearest end.
    NumberRead read_number(std::int32_t& target);

    // Reads up to the next newline, which is dropped; lines of any length.
    // At end of input with nothing read, gives false and leaves `line` alone;
    // a last line without a newline still counts as a line.
    bool read_text_line(std::string& line);

    // Reads one character and discards it: a plain pause.
    void wait_for_char();

    // Drops what is left of the current input line, unless the last
    // character read already ended it. Used after a refused answer, so the
    // rest of that answer is not taken for the next one.
    void skip_rest_of_line();

private:
    int next_char();
    int next_edited_char();

    std::istream& in_;
    std::ostream& out_;
    LineEditor* editor_;
    std::string open_line_;  // with an editor: printed since the last line end, not yet shown
    std::string edited_;     // with an editor: the line being read, and how far
    std::size_t edited_at_ = 0;
    bool edited_ended_ = false;
    int last_char_ = '\n';
};

}  // namespace ugraph
