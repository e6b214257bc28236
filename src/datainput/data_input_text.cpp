#include "datainput/data_input_text.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "common/decimal.hpp"
#include "graph/arc_list.hpp"

namespace ugraph {

namespace {

// The pieces of the node groups, ", (i)" and ",k", for every node a row can
// name, each padded to eight bytes: one fixed-size copy and a step by its
// length write it, with no digit arithmetic per number.
struct Piece {
    std::array<char, 8> text{};
    std::uint8_t length = 0;
};

constexpr std::array<Piece, 64> pieces(std::string_view before, std::string_view after) {
    std::array<Piece, 64> table{};
    for (int k = 0; k < 64; ++k) {
        Piece& piece = table[static_cast<std::size_t>(k)];
        std::size_t at = 0;
        for (const char c : before) {
            piece.text[at++] = c;
        }
        if (k >= 10) {
            piece.text[at++] = static_cast<char>('0' + k / 10);
        }
        piece.text[at++] = static_cast<char>('0' + k % 10);
        for (const char c : after) {
            piece.text[at++] = c;
        }
        piece.length = static_cast<std::uint8_t>(at);
    }
    return table;
}

constexpr std::array<Piece, 64> HEADERS = pieces(", (", ")");
constexpr std::array<Piece, 64> NEIGHBORS = pieces(",", "");

char* put_piece(char* at, const Piece& piece) {
    std::memcpy(at, piece.text.data(), piece.text.size());
    return at + piece.length;
}

// Room for the node groups of every node a row can name: 63 headers of at
// most six characters and each of their 1953 links once, three at most.
constexpr std::size_t GROUPS_ROOM = 63 * 6 + 63 * 62 / 2 * 3 + 8;

}  // namespace

void append_written_form(std::string_view name, int nodes, const LinkSet& links,
                         std::string& text) {
    // The node groups are put together in a buffer of the largest size they
    // can have, through a pointer, and added in one piece: one size check
    // for the graph, not one for every character. Each piece copies its
    // eight bytes in full, so the buffer has eight to spare.
    std::array<char, GROUPS_ROOM> groups;
    char* at = groups.data();
    const int with_rows = std::min(nodes, static_cast<int>(HEADERS.size()) - 1);
    for (int i = 1; i <= with_rows; ++i) {
        at = put_piece(at, HEADERS[static_cast<std::size_t>(i)]);
        // The neighbours above i, ascending: each link once, under its lower end.
        for (std::uint64_t above = links.row(i) >> i >> 1; above != 0; above &= above - 1) {
            at =
                put_piece(at, NEIGHBORS[static_cast<std::size_t>(i + 1 + std::countr_zero(above))]);
        }
    }
    text.append("[U \"").append(name).append(1, '"').append(groups.data(), at);
    for (int i = with_rows + 1; i <= nodes; ++i) {  // beyond any row: no graph has them
        text.append(", (");
        append_number(i, text);
        text.append(1, ')');
    }
    text.append(1, ']');
}

std::string written_form(const UGraph& graph) {
    std::string text;
    append_written_form(name_text(graph.name), graph.node_count(), LinkSet::of(graph), text);
    return text;
}

namespace {

// Walks the node groups of one data-input, gathering every entry (header,
// neighbour) as a link. The text is read from a copy that a NUL ends, which
// no rule accepts, so no read goes past it and none needs a bounds check.
class NodeGroupReader {
public:
    NodeGroupReader(std::string_view text, LinkSet& entries) : entries_(entries) {
        if (text.size() < held_.size()) {
            std::copy(text.begin(), text.end(), held_.begin());
            held_[text.size()] = '\0';
            chars_ = held_.data();
        } else {
            long_text_.assign(text);
            chars_ = long_text_.c_str();
        }
    }

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
        return true;
    }

    // The largest node number named anywhere.
    std::int32_t largest() const { return largest_; }

private:
    char char_at(std::size_t pos) const { return chars_[pos]; }
    char peek() const { return char_at(pos_); }
    // Steps to the next character and gives it: each character is looked
    // at once, however many rules ask about it.
    char advance() { return char_at(++pos_); }
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
    std::int32_t read_digits(char c) {
        std::int32_t value = 0;
        for (; is_digit(c); c = advance()) {
            value = std::min(value * 10 + (c - '0'), MAX_NODES + 1);
        }
        return value;
    }

    // The words of a refusal are put together apart from the checks, which
    // run for every number of every data-input.
    static std::string not_a_node(std::size_t where) {
        return "node number at character " + std::to_string(where + 1) + " is not between 1 and " +
               std::to_string(MAX_NODES);
    }

    bool note_node(std::int32_t value, std::size_t where, std::string& reason) {
        if (value < 1 || value > MAX_NODES) {
            reason = not_a_node(where);
            return false;
        }
        largest_ = std::max(largest_, value);
        return true;
    }

    bool read_header(std::string& reason) {
        const std::size_t where = ++pos_;
        const char first = peek();
        if (!is_digit(first)) {
            reason = "node header" + at() + " is not a number";
            return false;
        }
        header_ = read_digits(first);
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
            char c = peek();
            if (c == ',') {
                c = advance();
            }
            while (c == ' ') {
                c = advance();
            }
            if (c == '(' || c == ']') {
                return true;
            }
            if (c == '#') {
                reason = unexpected();
                return false;
            }
            const std::size_t where = pos_;
            const std::int32_t value = read_digits(c);
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
        const bool written_zero = is_digit(char_at(zero_at));
        char c = peek();
        while (c == ' ' || c == ',') {
            c = advance();
        }
        if (c == '(' || c == ']') {
            return true;
        }
        if (written_zero && is_digit(c)) {
            reason = "the 0 at character " + std::to_string(zero_at + 1) +
                     " had already closed the list of node " + std::to_string(header_) +
                     ", so the number" + at() + " has no place";
        } else {
            reason = unexpected();
        }
        return false;
    }

    static std::string too_many_neighbors() {
        return "it holds more than " + std::to_string(MAX_LINKS) + " neighbor numbers";
    }

    bool store(std::int32_t neighbor, std::string& reason) {
        if (count_ == MAX_LINKS) {
            reason = too_many_neighbors();
            return false;
        }
        ++count_;
        entries_.add(header_, neighbor);
        return true;
    }

    // A data-input that can be loaded fits here; a longer text is copied apart.
    std::array<char, MAX_DATA_INPUT_CHARS + 2> held_;
    std::string long_text_;
    const char* chars_ = nullptr;
    LinkSet& entries_;
    std::size_t pos_ = 0;
    std::int32_t header_ = 0;
    std::int32_t largest_ = 0;
    std::int32_t count_ = 0;
};

// The name, and where the first node group begins.
Result<> read_name(std::string_view text, GraphName& name, std::size_t& first_header) {
    const std::size_t open_quote = text.find('"');
    const std::size_t close_quote =
        open_quote == std::string_view::npos ? open_quote : text.find('"', open_quote + 1);
    if (close_quote == std::string_view::npos) {
        return refused("its name is not enclosed in double quotes");
    }
    const std::string_view name_chars = text.substr(open_quote + 1, close_quote - open_quote - 1);
    if (name_chars.size() > static_cast<std::size_t>(NAME_MAX_CHARS)) {
        return refused("its name is longer than " + std::to_string(NAME_MAX_CHARS) + " characters");
    }
    first_header = text.find('(', close_quote + 1);
    if (first_header == std::string_view::npos) {
        return refused("it has no node header after its name");
    }
    set_name(name, name_chars);
    return Done{};
}

}  // namespace

Result<> parse_data_input(std::string_view text, UGraph& graph) {
    std::size_t first_header = 0;
    Result<> named = read_name(text, graph.name, first_header);
    if (!named) {
        return named;
    }
    LinkSet links;
    NodeGroupReader reader(text, links);
    std::string reason;
    if (!reader.read(first_header, reason)) {
        return refused(std::move(reason));
    }
    links.write_arcs(graph);
    graph.set_node_count(reader.largest());
    return Done{};
}

}  // namespace ugraph
