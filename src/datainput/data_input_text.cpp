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
            const int neighbor = i + 1 + std::countr_zero(above);
            at = put_piece(at, NEIGHBORS[static_cast<std::size_t>(neighbor)]);
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

// A digit's value, and above 9 for any other character.
unsigned digit_value(char c) { return static_cast<unsigned char>(c - '0'); }
bool is_digit(char c) { return digit_value(c) <= 9; }

// A number as the reader holds it: a run of digits worth more than
// MAX_NODES is kept at MAX_NODES + 1, so that it reads as too large and
// never wraps.
bool is_node(int value) { return static_cast<unsigned>(value - 1) < unsigned{MAX_NODES}; }

// The rest of a digit run after its first digit, worth `value`; leaves `at`
// after the run. One check a character: the cap is a move, not a branch
// the common one-digit number ever takes.
int read_digits(const char*& at, int value) {
    for (char c = *++at; is_digit(c); c = *++at) {
        value = value * 10 + (c - '0');
        if (value > MAX_NODES) {
            value = MAX_NODES + 1;
        }
    }
    return value;
}

// Walks the node groups of one data-input, gathering every entry (header,
// neighbour) as a link. The read position and the counts are locals passed
// down, not members: a store into the rows then forces no reload of them.
// Every rule stops at a "]", so a text that ends in one is read where it
// stands; any other is read from a copy that a NUL ends, which no rule
// accepts either. No read goes past the text and none needs a bounds check.
class NodeGroupReader {
public:
    NodeGroupReader(std::string_view text, LinkSet& links) : links_(links) {
        if (!text.empty() && text.back() == ']') {
            text_ = text.data();
        } else {
            copy_.assign(text);
            text_ = copy_.c_str();
        }
    }

    // Reads from the "(" at `start` to the closing "]"; gives the largest
    // node number named anywhere, or 0 after a refusal told in `reason`.
    // Neighbour numbers are counted against MAX_LINKS only when `counted`.
    template <bool counted>
    int read(std::size_t start, std::string& reason) const {
        const char* at = text_ + start;
        int largest = 0;
        int room = MAX_LINKS;  // for neighbour numbers
        while (*at == '(') {
            const char* number_at = ++at;
            if (!is_digit(*at)) {
                reason = "node header" + place(at) + " is not a number";
                return 0;
            }
            const int header = read_digits(at, *at - '0');
            if (*at != ')') {
                reason = "node header" + place(at) + " is not closed by ')'";
                return 0;
            }
            if (!is_node(header)) {
                reason = not_a_node(number_at);
                return 0;
            }
            largest = std::max(largest, header);
            at = read_list<counted>(at + 1, header, room, largest, reason);
            if (at == nullptr) {
                return 0;
            }
        }
        if (*at != ']') {
            reason = unexpected(at);
            return 0;
        }
        links_.enclose(largest);
        return largest;
    }

private:
    // Reads the neighbours after a header, up to the next "(" or the "]",
    // and gives where that stands; nullptr after a refusal. The position is
    // passed and given back by value, so that it stays in a register.
    template <bool counted>
    const char* read_list(const char* at, int header, int& room, int& largest,
                          std::string& reason) const {
        LinkSet& links = links_;
        for (;;) {
            int neighbor = 0;
            const char* past = written_item(at, neighbor);
            if (past == nullptr) {
                past = next_item(at, header, neighbor, reason);
            }
            if (neighbor == 0) {
                return past;
            }
            if constexpr (counted) {
                if (room == 0) {
                    reason =
                        "it holds more than " + std::to_string(MAX_LINKS) + " neighbor numbers";
                    return nullptr;
                }
                --room;
            }
            links.add_within(header, neighbor);
            largest = std::max(largest, neighbor);
            at = past;
        }
    }

    // An item as the written form has it, read in one step: a neighbour,
    // "," and one or two digits worth a node before a character that is
    // none, given in `neighbor` with the position after it; or ", (", the
    // list's end, `neighbor` left 0 and the "(" given. Gives nullptr where
    // the text has another shape, for the general rules to read. Each
    // character is looked at only once the one before it is known, so none
    // past the text is.
    static const char* written_item(const char* at, int& neighbor) {
        if (at[0] != ',') {
            return nullptr;
        }
        const unsigned first = digit_value(at[1]);
        if (first - 1 > 8) {
            return at[1] == ' ' && at[2] == '(' ? at + 2 : nullptr;
        }
        const unsigned second = digit_value(at[2]);
        if (second > 9) {
            neighbor = static_cast<int>(first);
            return at + 2;
        }
        const unsigned value = first * 10 + second;
        if (value > unsigned{MAX_NODES} || is_digit(at[3])) {
            return nullptr;
        }
        neighbor = static_cast<int>(value);
        return at + 3;
    }

    // The next item by the general rules: one optional ",", any blanks,
    // then a neighbour, given in `neighbor` with the position after it, or
    // the "(" or "]" that ends the list, `neighbor` left 0; nullptr after a
    // refusal.
    const char* next_item(const char* at, int header, int& neighbor, std::string& reason) const {
        char c = *at;
        if (c == ',') {
            c = *++at;
        }
        while (c == ' ') {
            c = *++at;
        }
        if (!is_digit(c)) {
            if (c == '(' || c == ']') {
                return at;
            }
            if (c == ',') {
                return close_list(at, nullptr, header, reason);  // an empty entry
            }
            reason = unexpected(at);
            return nullptr;
        }
        const char* number_at = at;
        const int value = read_digits(at, c - '0');
        if (value == 0) {
            return close_list(at, number_at, header, reason);
        }
        if (!is_node(value)) {
            reason = not_a_node(number_at);
            return nullptr;
        }
        neighbor = value;
        return at;
    }

    // After a 0 (written at `zero_at`) or an empty entry only blanks and
    // commas may come before the next header or the end. A number there is
    // a neighbour the 0 shut out.
    const char* close_list(const char* at, const char* zero_at, int header,
                           std::string& reason) const {
        char c = *at;
        while (c == ' ' || c == ',') {
            c = *++at;
        }
        if (c == '(' || c == ']') {
            return at;
        }
        if (zero_at != nullptr && is_digit(c)) {
            reason = "the 0" + place(zero_at) + " had already closed the list of node " +
                     std::to_string(header) + ", so the number" + place(at) + " has no place";
        } else {
            reason = unexpected(at);
        }
        return nullptr;
    }

    // The words of a refusal are put together apart from the checks, which
    // run for every number of every data-input.
    std::string place(const char* at) const {
        return " at character " + std::to_string(at - text_ + 1);
    }

    std::string not_a_node(const char* at) const {
        return "node number" + place(at) + " is not between 1 and " + std::to_string(MAX_NODES);
    }

    std::string unexpected(const char* at) const {
        const char c = *at;
        if (c == '\n') {
            return "unexpected line end" + place(at);
        }
        if (c == '\t') {
            return "unexpected tab" + place(at);
        }
        if (c > ' ' && c < 127) {
            return std::string("unexpected '") + c + "'" + place(at);
        }
        return "unexpected character of code " + std::to_string(static_cast<unsigned char>(c)) +
               place(at);
    }

    const char* text_ = nullptr;
    std::string copy_;
    LinkSet& links_;
};

// The name, and where the first node group begins.
// Where `wanted` first stands from `from` on, or npos. The quotes and the
// first header stand a few characters apart: a step at a time finds them
// sooner than a library search, which pays to start.
std::size_t find_near(std::string_view text, char wanted, std::size_t from) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (text[at] == wanted) {
            return at;
        }
    }
    return std::string_view::npos;
}

Result<> read_name(std::string_view text, GraphName& name, std::size_t& first_header) {
    const std::size_t open_quote = find_near(text, '"', 0);
    const std::size_t close_quote =
        open_quote == std::string_view::npos ? open_quote : text.find('"', open_quote + 1);
    if (close_quote == std::string_view::npos) {
        return refused("its name is not enclosed in double quotes");
    }
    const std::string_view name_chars = text.substr(open_quote + 1, close_quote - open_quote - 1);
    if (name_chars.size() > static_cast<std::size_t>(NAME_MAX_CHARS)) {
        return refused("its name is longer than " + std::to_string(NAME_MAX_CHARS) + " characters");
    }
    first_header = find_near(text, '(', close_quote + 1);
    if (first_header == std::string_view::npos) {
        return refused("it has no node header after its name");
    }
    set_name(name, name_chars);
    return Done{};
}

}  // namespace

Result<> parse_data_input(std::string_view text, DataInputLinks& into) {
    std::size_t first_header = 0;
    Result<> named = read_name(text, into.name, first_header);
    if (!named) {
        return named;
    }
    into.links.clear();
    std::string reason;
    // Each neighbour number takes two characters at least, its digits and
    // the one after them, so a shorter text cannot hold too many: it is
    // read without counting them.
    const NodeGroupReader reader(text, into.links);
    into.nodes = text.size() > std::size_t{2} * MAX_LINKS
                     ? reader.read<true>(first_header, reason)
                     : reader.read<false>(first_header, reason);
    if (into.nodes == 0) {
        // The links read before the refusal were never enclosed: every row
        // may hold some, which the next clear() must reach.
        into.links.enclose(MAX_NODES);
        return refused(std::move(reason));
    }
    return Done{};
}

}  // namespace ugraph
