#include "datainput/data_input_edits.hpp"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

#include "datainput/raw_content.hpp"

namespace ugraph {
namespace {

// A text that reads back as exactly one data-input, so that the numbers of
// all the others stay as they were.
bool is_one_data_input(std::string_view text) {
    return text.size() >= 2 && text.front() == '[' && text.back() == ']' &&
           text.substr(1, text.size() - 2).find_first_of("[]\r\x1a") == std::string_view::npos;
}

// The survey of one data-input that is there to change.
Result<Survey> survey_one(std::istream& content, int number) {
    const std::array<int, 1> wanted{number};
    Result<Survey> seen = survey(content, wanted);
    if (seen) {
        if (Result<> may = may_change(seen.value(), number); !may) {
            return may.refusal();
        }
    }
    return seen;
}

// What a data-input takes with it when it goes: its line, when it stands
// alone on it, or its text.
struct Unit {
    std::uint64_t start = 0;
    std::uint64_t content_end = 0;  // before its line end
    std::uint64_t end = 0;          // after its line end
    bool is_line = false;
};

Result<Unit> unit_of(std::istream& content, const DataInput& input) {
    Result<std::optional<AloneLine>> line = line_of(content, input);
    if (!line) {
        return line.refusal();
    }
    if (!line.value()) {
        return Unit{input.start, input.end, input.end, false};
    }
    const AloneLine& alone = *line.value();
    return Unit{alone.start, alone.content_end, alone.end, true};
}

}  // namespace

Result<> replace_data_input(std::istream& old_content, std::ostream& new_content, int number,
                            std::string_view text, const std::optional<Fingerprint>& loaded) {
    if (!is_one_data_input(text)) {
        return refused("the new text is not one data-input from '[' to ']'");
    }
    const std::string kept(text);
    return replace_data_input(
        old_content, new_content, number,
        [&](const DataInput& /*old*/) -> Result<std::string> { return kept; }, loaded);
}

Result<> replace_data_input(std::istream& old_content, std::ostream& new_content, int number,
                            const NewText& make, const std::optional<Fingerprint>& loaded) {
    // A content changed meanwhile is told as such, whatever it now holds.
    const std::array<int, 1> wanted{number};
    Result<Survey> seen =
        survey(old_content, wanted, loaded ? Fingerprinted::yes : Fingerprinted::no);
    if (!seen) {
        return seen.refusal();
    }
    if (loaded && seen.value().fingerprint != *loaded) {
        return refused(CHANGED_MEANWHILE);
    }
    if (Result<> may = may_change(seen.value(), number); !may) {
        return may;
    }
    const DataInput& input = found_input(seen.value(), number);
    const Result<std::string> text = make(input);
    if (!text) {
        return text.refusal();
    }
    if (!is_one_data_input(text.value())) {
        return refused("the new text is not one data-input from '[' to ']'");
    }
    const std::array spans{old_bytes(0, input.start), new_text(text.value()),
                           old_bytes(input.end, TO_THE_END)};
    return copy_spans(old_content, new_content, spans);
}

Result<> delete_data_inputs(std::istream& old_content, std::ostream& new_content,
                            std::span<const int> numbers) {
    std::vector<int> wanted(numbers.begin(), numbers.end());
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    Result<Survey> seen = survey(old_content, wanted);
    if (!seen) {
        return seen.refusal();
    }
    std::vector<Span> spans;
    std::uint64_t kept_from = 0;
    for (const int number : wanted) {
        if (Result<> may = may_change(seen.value(), number); !may) {
            return may;
        }
        Result<Unit> unit = unit_of(old_content, found_input(seen.value(), number));
        if (!unit) {
            return unit.refusal();
        }
        spans.push_back(old_bytes(kept_from, unit.value().start));
        kept_from = unit.value().end;
    }
    spans.push_back(old_bytes(kept_from, TO_THE_END));
    return copy_spans(old_content, new_content, spans);
}

Result<> rename_data_input(std::istream& old_content, std::ostream& new_content, int number,
                           std::string_view name, bool* unchanged) {
    if (unchanged != nullptr) {
        *unchanged = false;
    }
    Result<Survey> seen = survey_one(old_content, number);
    if (!seen) {
        return seen.refusal();
    }
    auto quotes = quotes_of(old_content, found_input(seen.value(), number));
    if (!quotes) {
        return quotes.refusal();
    }
    if (!quotes.value()) {
        return refused("data-input " + std::to_string(number) +
                       " has no name between two double quotes");
    }
    const auto [opening, closing] = *quotes.value();
    if (unchanged != nullptr && closing - opening - 1 == name.size()) {
        // As long as the name: a few bytes to read, to spare a whole rewrite.
        std::ostringstream held;
        const std::array between{old_bytes(opening + 1, closing)};
        if (Result<> read = copy_spans(old_content, held, between); !read) {
            return read;
        }
        *unchanged = held.str() == name;
        if (*unchanged) {
            return Done{};
        }
    }
    const std::array spans{old_bytes(0, opening + 1), new_text(name),
                           old_bytes(closing, TO_THE_END)};
    return copy_spans(old_content, new_content, spans);
}

namespace {

// The spans of a move of data-input `n` to the place of `m`, once the lines
// they stand alone on, if any, are known. `borrowed` is where the line end
// before n's line starts, for a last line without one of its own.
std::vector<Span> moved_spans(const DataInput& n, const Unit& nu, const DataInput& m,
                              const Unit& mu, std::uint64_t borrowed) {
    const bool later = m.start > n.start;
    if (!nu.is_line || !mu.is_line) {
        const Span text = old_bytes(n.start, n.end);
        if (later) {
            return {old_bytes(0, n.start), old_bytes(n.end, m.end), text,
                    old_bytes(m.end, TO_THE_END)};
        }
        return {old_bytes(0, m.start), text, old_bytes(m.start, n.start),
                old_bytes(n.end, TO_THE_END)};
    }
    if (later) {
        if (mu.end == mu.content_end) {
            // m's line ends the content without a line end: n's own goes
            // before n's line, so both keep one.
            return {old_bytes(0, nu.start), old_bytes(nu.end, mu.end),
                    old_bytes(nu.content_end, nu.end), old_bytes(nu.start, nu.content_end),
                    old_bytes(mu.end, TO_THE_END)};
        }
        return {old_bytes(0, nu.start), old_bytes(nu.end, mu.end), old_bytes(nu.start, nu.end),
                old_bytes(mu.end, TO_THE_END)};
    }
    if (nu.end == nu.content_end) {
        // n's line ended the content without a line end: it takes the one
        // of the line before it, which then ends the content.
        return {old_bytes(0, mu.start), old_bytes(nu.start, nu.content_end),
                old_bytes(borrowed, nu.start), old_bytes(mu.start, borrowed),
                old_bytes(nu.end, TO_THE_END)};
    }
    return {old_bytes(0, mu.start), old_bytes(nu.start, nu.end), old_bytes(mu.start, nu.start),
            old_bytes(nu.end, TO_THE_END)};
}

}  // namespace

Result<> move_data_input(std::istream& old_content, std::ostream& new_content, int from, int to) {
    std::array<int, 2> wanted{std::min(from, to), std::max(from, to)};
    Result<Survey> seen = survey(old_content, wanted);
    if (!seen) {
        return seen.refusal();
    }
    for (const int number : wanted) {
        if (Result<> may = may_change(seen.value(), number); !may) {
            return may;
        }
    }
    const DataInput& n = found_input(seen.value(), from);
    const DataInput& m = found_input(seen.value(), to);
    if (from == to) {
        const std::array all{old_bytes(0, TO_THE_END)};
        return copy_spans(old_content, new_content, all);
    }
    Result<Unit> nu = unit_of(old_content, n);
    Result<Unit> mu = nu ? unit_of(old_content, m) : nu;
    if (!mu) {
        return mu.refusal();
    }
    std::uint64_t borrowed = nu.value().start;
    if (nu.value().is_line && nu.value().start > 0) {
        Result<std::uint64_t> before = line_end_before(old_content, nu.value().start);
        if (!before) {
            return before.refusal();
        }
        borrowed = before.value();
    }
    const std::vector<Span> spans = moved_spans(n, nu.value(), m, mu.value(), borrowed);
    return copy_spans(old_content, new_content, spans);
}

}  // namespace ugraph
