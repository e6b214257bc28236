#include "datainput/raw_content.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace ugraph {
namespace {

constexpr std::size_t CHUNK = std::size_t{64} * 1024;
// Blanks around a data-input are few; the look around it reads little.
constexpr std::size_t LOOK = 256;
constexpr char END_OF_FILE_MARK = '\x1a';

Refusal cannot_read() { return refused("the data file could not be read"); }

Refusal cannot_seek() {
    return refused("the data file's content could not be read again from a given place");
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Reads up to `size` bytes from `at`; gives how many came (fewer at the end).
Result<std::size_t> read_at(std::istream& content, std::uint64_t at, char* into, std::size_t size) {
    content.clear();
    content.seekg(static_cast<std::streamoff>(at));
    if (content.fail()) {
        return cannot_seek();
    }
    content.read(into, static_cast<std::streamsize>(size));
    if (content.bad()) {
        return cannot_read();
    }
    const auto got = static_cast<std::size_t>(content.gcount());
    content.clear();
    return got;
}

// The first byte of the line `start` stands on, when only blanks stand
// before it there; nothing otherwise.
Result<std::optional<std::uint64_t>> alone_line_start(std::istream& content, std::uint64_t start) {
    std::array<char, LOOK> bytes{};
    for (std::uint64_t pos = start; pos > 0;) {
        const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(pos, LOOK));
        Result<std::size_t> got = read_at(content, pos - size, bytes.data(), size);
        if (!got) {
            return got.refusal();
        }
        for (std::size_t k = got.value(); k > 0; --k, --pos) {
            const char c = bytes[k - 1];
            if (c == '\n') {
                return std::optional<std::uint64_t>(pos);
            }
            if (!is_blank(c)) {
                return std::optional<std::uint64_t>();
            }
        }
        if (got.value() < size) {
            return cannot_read();  // the content shrank under the survey
        }
    }
    return std::optional<std::uint64_t>(0);
}

// Where the blanks after `end` stop and where the line end after them ends,
// when a line end or the end of the content comes next; nothing otherwise.
Result<std::optional<std::pair<std::uint64_t, std::uint64_t>>> alone_line_end(std::istream& content,
                                                                              std::uint64_t end) {
    using Ends = std::optional<std::pair<std::uint64_t, std::uint64_t>>;
    std::array<char, LOOK> bytes{};
    std::optional<std::uint64_t> carriage_return;
    for (std::uint64_t pos = end;;) {
        Result<std::size_t> got = read_at(content, pos, bytes.data(), bytes.size());
        if (!got) {
            return got.refusal();
        }
        for (std::size_t k = 0; k < got.value(); ++k, ++pos) {
            const char c = bytes[k];
            if (c == '\n') {
                return Ends({carriage_return.value_or(pos), pos + 1});
            }
            if (carriage_return || (!is_blank(c) && c != '\r' && c != END_OF_FILE_MARK)) {
                return Ends();
            }
            if (c == END_OF_FILE_MARK) {
                return Ends({pos, pos});
            }
            if (c == '\r') {
                carriage_return = pos;
            }
        }
        if (got.value() == 0) {
            return carriage_return ? Ends() : Ends({pos, pos});
        }
    }
}

}  // namespace

Result<Survey> survey(std::istream& content, std::span<const int> wanted, Fingerprinted taken) {
    Survey seen;
    FingerprintBuffer buffer(*content.rdbuf());
    const bool fingerprinted = taken == Fingerprinted::yes;
    {
        std::istream through(fingerprinted ? static_cast<std::streambuf*>(&buffer)
                                           : content.rdbuf());
        DataInputReader reader(through);
        DataInput input;
        // Only the data-inputs asked for keep their text: the others are
        // counted and placed, which is all an edit needs of them.
        const auto asked = [&](int number) {
            return std::binary_search(wanted.begin(), wanted.end(), number);
        };
        // Once the last one asked for is read, every other one is found, so
        // long as none lies before the first data-input.
        const auto every_one_found = [&](int number) {
            return !wanted.empty() && wanted.front() >= 1 && number == wanted.back();
        };
        while (reader.next(input, nullptr, asked(reader.count() + 1))) {
            if (asked(input.number)) {
                seen.found.push_back(input);
            }
            if (every_one_found(input.number)) {
                break;  // the rest is copied as it is, and needs no reading now
            }
        }
        seen.count = reader.count();
        if (!fingerprinted && reader.failed()) {
            return cannot_read();
        }
    }
    if (fingerprinted) {
        seen.fingerprint = buffer.drain();
        if (buffer.failed()) {
            return cannot_read();
        }
    }
    content.clear();
    content.seekg(0);
    if (content.fail()) {
        return cannot_seek();
    }
    return seen;
}

Result<std::optional<AloneLine>> line_of(std::istream& content, const DataInput& input) {
    Result<std::optional<std::uint64_t>> start = alone_line_start(content, input.start);
    if (!start || !start.value()) {
        return start ? Result<std::optional<AloneLine>>(std::nullopt) : start.refusal();
    }
    auto ends = alone_line_end(content, input.end);
    if (!ends || !ends.value()) {
        return ends ? Result<std::optional<AloneLine>>(std::nullopt) : ends.refusal();
    }
    return std::optional<AloneLine>(
        AloneLine{*start.value(), ends.value()->first, ends.value()->second});
}

Result<std::optional<std::pair<std::uint64_t, std::uint64_t>>> quotes_of(std::istream& content,
                                                                         const DataInput& input) {
    std::vector<char> bytes(CHUNK);
    std::array<std::uint64_t, 2> quotes{};
    std::size_t seen = 0;
    for (std::uint64_t pos = input.start; pos < input.end && seen < 2;) {
        const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(input.end - pos, CHUNK));
        Result<std::size_t> got = read_at(content, pos, bytes.data(), size);
        if (!got) {
            return got.refusal();
        }
        if (got.value() == 0) {
            return cannot_read();
        }
        for (std::size_t k = 0; k < got.value() && seen < 2; ++k, ++pos) {
            if (bytes[k] == '"') {
                quotes[seen++] = pos;
            }
        }
    }
    if (seen < 2) {
        return std::optional<std::pair<std::uint64_t, std::uint64_t>>();
    }
    return std::optional(std::pair(quotes[0], quotes[1]));
}

Result<std::uint64_t> line_end_before(std::istream& content, std::uint64_t line_start) {
    std::array<char, 2> bytes{};
    const std::uint64_t from = line_start >= 2 ? line_start - 2 : 0;
    Result<std::size_t> got = read_at(content, from, bytes.data(), line_start - from);
    if (!got) {
        return got.refusal();
    }
    return line_start - from == 2 && bytes[0] == '\r' ? from : line_start - 1;
}

Result<> copy_spans(std::istream& content, std::ostream& out, std::span<const Span> spans) {
    std::vector<char> bytes(CHUNK);
    for (const Span& span : spans) {
        if (span.literal) {
            out.write(span.text.data(), static_cast<std::streamsize>(span.text.size()));
            continue;
        }
        for (std::uint64_t pos = span.from; pos < span.to;) {
            const auto size =
                static_cast<std::size_t>(std::min<std::uint64_t>(span.to - pos, CHUNK));
            Result<std::size_t> got = read_at(content, pos, bytes.data(), size);
            if (!got) {
                return got.refusal();
            }
            if (got.value() == 0) {
                break;  // TO_THE_END, or the content's last span
            }
            out.write(bytes.data(), static_cast<std::streamsize>(got.value()));
            pos += got.value();
        }
    }
    out.flush();
    if (!out) {
        return refused("the new content could not be written");
    }
    return Done{};
}

const DataInput& found_input(const Survey& seen, int number) {
    return *std::find_if(seen.found.begin(), seen.found.end(),
                         [&](const DataInput& input) { return input.number == number; });
}

Result<> may_change(const Survey& seen, int number) {
    if (number < 1 || number > seen.count) {
        return refused("there is no data-input " + std::to_string(number) +
                       "; the data file holds " + std::to_string(seen.count));
    }
    if (!found_input(seen, number).closed) {
        return refused("data-input " + std::to_string(number) +
                       " is not closed by ']' before the end of the file");
    }
    return Done{};
}

}  // namespace ugraph
