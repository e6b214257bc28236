#include "invariants/where_filter.hpp"

#include <charconv>

namespace ugraph {

namespace {

Refusal malformed(std::string_view condition) {
    return refused("malformed condition \"" + std::string(condition) + "\"");
}

// Within 64 bits on every system (long has 32 on Windows).
bool is_integer(std::string_view text) {
    long long parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    return error == std::errc{} && end == text.data() + text.size();
}

bool is_digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// -1 when a < b, 0 when equal, 1 when a > b, for integers written without
// leading zeros beyond one (the digits of a group order may pass 64 bits).
int compare_numbers(const std::string& a, const std::string& b) {
    const bool a_negative = !a.empty() && a[0] == '-';
    const bool b_negative = !b.empty() && b[0] == '-';
    if (a_negative != b_negative)
        return a_negative ? -1 : 1;
    const int sign = a_negative ? -1 : 1;
    const std::string_view x = std::string_view(a).substr(a_negative ? 1 : 0);
    const std::string_view y = std::string_view(b).substr(b_negative ? 1 : 0);
    const auto x_digits = x.substr(std::min(x.find_first_not_of('0'), x.size() - 1));
    const auto y_digits = y.substr(std::min(y.find_first_not_of('0'), y.size() - 1));
    if (x_digits.size() != y_digits.size())
        return x_digits.size() < y_digits.size() ? -sign : sign;
    const int order = x_digits.compare(y_digits);
    return order == 0 ? 0 : (order < 0 ? -sign : sign);
}

std::optional<long long> number_of(const std::optional<std::string>& end) {
    long long parsed = 0;
    if (!end) {
        return parsed;
    }
    const char* const last = end->data() + end->size();
    const auto [stop, error] = std::from_chars(end->data(), last, parsed);
    if (error != std::errc{} || stop != last) {
        return std::nullopt;
    }
    return parsed;
}

// Fills in the ends as numbers when both that are given fit.
Condition with_numbers(Condition condition) {
    const auto from = number_of(condition.from);
    const auto to = number_of(condition.to);
    condition.ends_are_numbers = from && to;
    condition.from_number = from.value_or(0);
    condition.to_number = to.value_or(0);
    return condition;
}

bool number_like(KeyKind kind, std::string_view text) {
    return kind == KeyKind::big ? is_digits(text) : is_integer(text);
}

Result<Condition> range_condition(Key key, std::string_view text, std::string_view condition) {
    const auto dots = text.find("..");
    const KeyKind kind = key_kind(key);
    if (kind != KeyKind::integer && kind != KeyKind::big)
        return malformed(condition);
    Condition parsed{key, {}, {}, {}, {}, {}, {}};
    const auto low = text.substr(0, dots);
    const auto high = text.substr(dots + 2);
    if (low.empty() && high.empty())
        return malformed(condition);
    if (!low.empty()) {
        if (!number_like(kind, low))
            return malformed(condition);
        parsed.from = std::string(low);
    }
    if (!high.empty()) {
        if (!number_like(kind, high))
            return malformed(condition);
        parsed.to = std::string(high);
    }
    return with_numbers(parsed);
}

Result<Condition> equal_condition(Key key, std::string_view text, std::string_view condition) {
    Value wanted;
    switch (key_kind(key)) {
        case KeyKind::truth:
            if (text != "true" && text != "false")
                return malformed(condition);
            wanted.kind = Value::Kind::truth;
            wanted.truth = text == "true";
            break;
        case KeyKind::integer:
        case KeyKind::big:
            // A single value is a range of one: the same comparison of digits.
            if (!number_like(key_kind(key), text))
                return malformed(condition);
            return with_numbers(
                Condition{key, {}, std::string(text), std::string(text), {}, {}, {}});
        case KeyKind::text:
            wanted.kind = Value::Kind::text;
            wanted.text = std::string(text);
            break;
    }
    return Condition{key, wanted, {}, {}, {}, {}, {}};
}

Result<Condition> parse_condition(std::string_view condition) {
    const auto equals = condition.find('=');
    const auto name = condition.substr(0, equals);
    const auto key = key_named(name);
    if (!key) {
        if (name.empty())
            return malformed(condition);
        return refused("unknown key \"" + std::string(name) + "\"");
    }
    if (equals == std::string_view::npos) {
        if (key_kind(*key) != KeyKind::truth)
            return malformed(condition);
        return Condition{*key, Value{Value::Kind::truth, 0, true, {}}, {}, {}, {}, {}, {}};
    }
    const auto text = condition.substr(equals + 1);
    if (text.find("..") != std::string_view::npos)
        return range_condition(*key, text, condition);
    return equal_condition(*key, text, condition);
}

std::string digits_of(const Value& value) {
    return value.kind == Value::Kind::integer ? std::to_string(value.integer) : value.text;
}

bool meets(const Condition& condition, const Value& value) {
    if (value.kind == Value::Kind::unknown)
        return false;
    if (condition.equal) {
        return condition.equal->kind == Value::Kind::truth ? value.truth == condition.equal->truth
                                                           : value.text == condition.equal->text;
    }
    if (value.kind == Value::Kind::integer && condition.ends_are_numbers) {
        return (!condition.from || value.integer >= condition.from_number) &&
               (!condition.to || value.integer <= condition.to_number);
    }
    const std::string digits = digits_of(value);
    return (!condition.from || compare_numbers(digits, *condition.from) >= 0) &&
           (!condition.to || compare_numbers(digits, *condition.to) <= 0);
}

}  // namespace

Result<WhereFilter> parse_where(std::string_view expression) {
    WhereFilter filter;
    std::size_t start = 0;
    while (true) {
        const auto comma = expression.find(',', start);
        const auto condition = expression.substr(start, comma - start);
        auto parsed = parse_condition(condition);
        if (!parsed)
            return parsed.refusal();
        filter.conditions_.push_back(parsed.value());
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return filter;
}

bool WhereFilter::holds(GraphRecord& record) const {
    for (const auto& condition : conditions_) {
        if (!meets(condition, record.value(condition.key)))
            return false;
    }
    return true;
}

bool meets_where(const WhereFilter& where, const GraphItem& graph) {
    GraphRecord record(graph);
    return where.holds(record);
}

}  // namespace ugraph
