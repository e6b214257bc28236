#include "interchange/list_text.hpp"

#include <algorithm>

namespace ugraph {

namespace {

constexpr char COMMENT = '#';
// Labels are echoed in refusals; an absurdly long one is cut to this.
constexpr std::size_t SHOWN_LABEL_CHARS = 20;
// Any value above this is out of range; summing stops here, so that no
// digit string can overflow.
constexpr int BEYOND_ANY_LABEL = 1000;

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// The label as the user can read it: cut short, with unprintable bytes as '?'.
std::string shown(std::string_view field) {
    std::string text(field.substr(0, SHOWN_LABEL_CHARS));
    for (char& c : text) {
        if (c < '!' || c > '~') {
            c = '?';
        }
    }
    return field.size() > SHOWN_LABEL_CHARS ? text + "..." : text;
}

// A sign is taken, as NetworkX takes it: "-1" is a whole number, out of range.
bool read_whole_number(std::string_view field, int& value) {
    const bool negative = !field.empty() && field[0] == '-';
    if (!field.empty() && (field[0] == '-' || field[0] == '+')) {
        field.remove_prefix(1);
    }
    if (field.empty()) {
        return false;
    }
    value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = std::min(value * 10 + (c - '0'), BEYOND_ANY_LABEL);
    }
    value = negative ? -value : value;
    return true;
}

}  // namespace

bool FieldScanner::next(std::string_view& field) {
    while (at_ < line_.size() && is_blank(line_[at_])) {
        ++at_;
    }
    if (at_ == line_.size() || line_[at_] == COMMENT) {
        at_ = line_.size();
        return false;
    }
    const std::size_t start = at_;
    while (at_ < line_.size() && !is_blank(line_[at_]) && line_[at_] != COMMENT) {
        ++at_;
    }
    field = line_.substr(start, at_ - start);
    return true;
}

bool read_label(std::string_view field, int base, int& node, Refusal& refusal) {
    int value = 0;
    if (!read_whole_number(field, value)) {
        refusal = refused("label " + shown(field) + " is not a whole number");
        return false;
    }
    if (value < base || value > base + MAX_NODES - 1) {
        refusal =
            refused("label " + shown(field) + " is out of range " + std::to_string(base) + ".." +
                        std::to_string(base + MAX_NODES - 1),
                    value == 0 && base == 1 ? Refusal::Kind::label_zero : Refusal::Kind::reason);
        return false;
    }
    node = value - base + 1;
    return true;
}

}  // namespace ugraph
