#include "datafile/data_input_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>

#include "datafile/data_file.hpp"
#include "graph/arc_list.hpp"

namespace ugraph {
namespace {

// Decimal digits without a string of their own: the written form is made
// for every graph of a long import.
void append_number(std::string& text, std::int32_t value) {
    if (value >= 0 && value < 100) {  // every node number
        if (value >= 10) {
            text += static_cast<char>('0' + value / 10);
        }
        text += static_cast<char>('0' + value % 10);
        return;
    }
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    text.append(digits.data(), end);
}

}  // namespace

std::string written_form(const ArcArray& arc_from, const ArcArray& arc_to, const GraphName& name) {
    std::string text;
    text.reserve(64);
    text += "[U \"";
    text += name_text(name);
    text += '"';
    for_each_node_run(arc_from, arc_to, arc_to[0], [&](int i, std::span<const std::int32_t> run) {
        text += ", (";
        append_number(text, i);
        text += ')';
        for (const std::int32_t k : run) {
            if (k > i) {
                text += ',';
                append_number(text, k);
            }
        }
    });
    text += ']';
    return text;
}

namespace {

// Walks the node groups of one data-input. Every read is bounds-checked:
// past the end of the text it sees a NUL, which no rule accepts.
class NodeGroupReader {
public:
    NodeGroupReader(std::string_view text, ArcArray& arc_from, ArcArray& arc_to)
        : text_(text), arc_from_(arc_from), arc_to_(arc_to) {}

    // Reads from the "(" at `start` to the closing "]".
    bool read(std::size_t start, std::string& reason) {
        pos_ = start;
        while (peek() == '(') {
            if (!read_header(reason) || !read_list(reason)) {
                return false;
            }
        }
        if (peek() != ']') {
            reason = unexpected();
            return false;
        }
        finish();
        return true;
    }

private:
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    static bool is_digit(char c) { return c >= '0' && c <= '9'; }

    std::string at() const { return " at character " + std::to_string(pos_ + 1); }

    std::string unexpected() const {
        const char c = peek();
        if (c == '\n') {
            return "unexpected line end" + at();
        }
        if (c == '\t') {
            return "unexpected tab" + at();
        }
        if (c > ' ' && c < 127) {
            return std::string("unexpected '") + c + "'" + at();
        }
        return "unexpected character of code " + std::to_string(static_cast<unsigned char>(c)) +
               at();
    }

    // The value of the digit run at the read position, held at most at
    // MAX_NODES + 1 so that any longer run reads as too large, never wraps.
    std::int32_t read_digits() {
        std::int32_t value = 0;
        for (; is_digit(peek()); ++pos_) {
            value = std::min(value * 10 + (peek() - '0'), MAX_NODES + 1);
        }
        return value;
    }

    bool note_node(std::int32_t value, std::size_t where, std::string& reason) {
        if (value < 1 || value > MAX_NODES) {
            reason = "node number at character " + std::to_string(where + 1) +
                     " is not between 1 and " + std::to_string(MAX_NODES);
            return false;
        }
        largest_ = std::max(largest_, value);
        return true;
    }

    bool read_header(std::string& reason) {
        const std::size_t where = ++pos_;
        if (!is_digit(peek())) {
            reason = "node header" + at() + " is not a number";
            return false;
        }
        header_ = read_digits();
        if (peek() != ')') {
            reason = "node header" + at() + " is not closed by ')'";
            return false;
        }
        ++pos_;
        return note_node(header_, where, reason);
    }

    // Reads the neighbours after a header, up to the next "(" or the "]".
    bool read_list(std::string& reason) {
        for (;;) {
            if (peek() == ',') {
                ++pos_;
            }
            while (peek() == ' ') {
                ++pos_;
            }
            if (peek() == '(' || peek() == ']') {
                return true;
            }
            if (peek() == '#') {
                reason = unexpected();
                return false;
            }
            const std::size_t where = pos_;
            const std::int32_t value = read_digits();
            if (value == 0) {
                return close_list(where, reason);
            }
            if (!note_node(value, where, reason) || !store(value, reason)) {
                return false;
            }
        }
    }

    // After a 0 or an empty entry only blanks and commas may come before the
    // next header or the end. A number there is a neighbour the 0 shut out.
    bool close_list(std::size_t zero_at, std::string& reason) {
        const bool written_zero = is_digit(text_[zero_at]);
        while (peek() == ' ' || peek() == ',') {
            ++pos_;
        }
        if (peek() == '(' || peek() == ']') {
            return true;
        }
        if (written_zero && is_digit(peek())) {
            reason = "the 0 at character " + std::to_string(zero_at + 1) +
                     " had already closed the list of node " + std::to_string(header_) +
                     ", so the number" + at() + " has no place";
        } else {
            reason = unexpected();
        }
        return false;
    }

    bool store(std::int32_t neighbor, std::string& reason) {
        if (arcs_.count() == MAX_NEIGHBOR_NUMBERS) {
            reason =
                "it holds more than " + std::to_string(MAX_NEIGHBOR_NUMBERS) + " neighbor numbers";
            return false;
        }
        arcs_.append(header_, neighbor);
        return true;
    }

    // Every entry is a link both ways: the reverses follow the entries.
    void finish() {
        const std::int32_t entries = arcs_.count();
        for (std::int32_t m = 1; m <= entries; ++m) {
            arcs_.append(arc_to_[m], arc_from_[m]);
        }
        arcs_.close();
        arc_to_[0] = largest_;
    }

    std::string_view text_;
    ArcArray& arc_from_;
    ArcArray& arc_to_;
    ArcListWriter arcs_{arc_from_, arc_to_};
    std::size_t pos_ = 0;
    std::int32_t header_ = 0;
    std::int32_t largest_ = 0;
};

}  // namespace

bool parse_data_input(std::string_view text, GraphName& name, ArcArray& arc_from, ArcArray& arc_to,
                      std::string& reason) {
    const std::size_t open_quote = text.find('"');
    const std::size_t close_quote =
        open_quote == std::string_view::npos ? open_quote : text.find('"', open_quote + 1);
    if (close_quote == std::string_view::npos) {
        reason = "its name is not enclosed in double quotes";
        return false;
    }
    const std::string_view name_chars = text.substr(open_quote + 1, close_quote - open_quote - 1);
    if (name_chars.size() > static_cast<std::size_t>(NAME_MAX_CHARS)) {
        reason = "its name is longer than " + std::to_string(NAME_MAX_CHARS) + " characters";
        return false;
    }
    const std::size_t first_header = text.find('(', close_quote + 1);
    if (first_header == std::string_view::npos) {
        reason = "it has no node header after its name";
        return false;
    }
    set_name(name, name_chars);
    return NodeGroupReader(text, arc_from, arc_to).read(first_header, reason);
}

}  // namespace ugraph
