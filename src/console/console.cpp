#include "console/console.hpp"

#include <limits>
#include <utility>

namespace ugraph {
namespace {

bool is_space(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

Console::Console(std::istream& in, std::ostream& out, LineEditor* editor)
    : in_(in), out_(out), editor_(editor) {}

Console::~Console() { out_ << open_line_; }

void Console::write_line(std::string_view text) {
    print(text);
    print("\n");
}

void Console::print(std::string_view text) {
    if (editor_ == nullptr) {
        out_ << text;
        return;
    }
    const std::size_t line_end = text.rfind('\n');
    if (line_end == std::string_view::npos) {
        open_line_ += text;
        return;
    }
    out_ << open_line_ << text.substr(0, line_end + 1);
    open_line_.assign(text.substr(line_end + 1));
}

int Console::next_edited_char() {
    if (edited_at_ == edited_.size()) {
        edited_.clear();
        edited_at_ = 0;
        if (edited_ended_) {
            return END_OF_INPUT;
        }
        out_.flush();
        // The editor shows the open line, as the prompt, from now on.
        const std::string prompt = std::move(open_line_);
        open_line_.clear();
        if (!editor_->read_line(prompt, edited_) || edited_.empty()) {
            edited_ended_ = true;
            return END_OF_INPUT;
        }
    }
    return static_cast<unsigned char>(edited_[edited_at_++]);
}

void Console::flush() { out_.flush(); }

int Console::next_char() {
    if (editor_ != nullptr) {
        last_char_ = next_edited_char();
        return last_char_;
    }
    // Flush only when the read may block: with the answers already buffered
    // (a pipe, a test) output stays buffered, on a terminal every prompt shows.
    if (in_.rdbuf() == nullptr || in_.rdbuf()->in_avail() <= 0) {
        out_.flush();
    }
    const std::istream::int_type c = in_.get();
    last_char_ = std::istream::traits_type::eq_int_type(c, std::istream::traits_type::eof())
                     ? END_OF_INPUT
                     : static_cast<unsigned char>(std::istream::traits_type::to_char_type(c));
    return last_char_;
}

int Console::read_choice_key() {
    const int key = next_char();
    if (key != END_OF_INPUT) {
        next_char();
    }
    return key;
}

NumberRead Console::read_number(std::int32_t& target) {
    int c = next_char();
    while (is_space(c)) {
        c = next_char();
    }
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = (c == '-');
        c = next_char();
    }
    if (c == END_OF_INPUT) {
        return NumberRead::end_of_input;
    }
    if (!is_digit(c)) {
        return NumberRead::no_number;  // c, the offending character, is gone
    }
    // Accumulate as a negative value, which reaches INT32_MIN, and stop at
    // the range's end instead of overflowing.
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    while (is_digit(c)) {
        value = value * 10 - (c - '0');
        if (value < lowest) {
            value = lowest;
        }
        c = next_char();
    }
    if (!negative) {
        value = (value == lowest) ? std::numeric_limits<std::int32_t>::max() : -value;
    }
    target = static_cast<std::int32_t>(value);
    return NumberRead::number;  // c, the character after the digits, is gone
}

bool Console::read_text_line(std::string& line) {
    int c = next_char();
    if (c == END_OF_INPUT) {
        return false;
    }
    std::string text;
    while (c != END_OF_INPUT && c != '\n') {
        text.push_back(static_cast<char>(c));
        c = next_char();
    }
    line = std::move(text);
    return true;
}

void Console::wait_for_char() { next_char(); }

void Console::skip_rest_of_line() {
    while (last_char_ != '\n' && last_char_ != END_OF_INPUT) {
        next_char();
    }
}

}  // namespace ugraph
