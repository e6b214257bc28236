// fuzz_data_input_edits: any data file through the edits of single
// data-inputs.
//
// The input's first byte chooses the edit (replace, delete, rename, move),
// the next two the numbers N and M it is given (and the new name's length),
// and the rest is the data file's raw bytes. An edit is refused exactly when
// a number names no data-input or one left open (or, for rename, one without
// two double quotes); done, the result read again holds the expected
// data-inputs, everything from the content's end (its Ctrl-Z) on is kept,
// and no byte outside the changed data-inputs is changed:
//   replace  the old bytes with that one data-input's span replaced;
//   delete   only the two data-inputs and blanks and line ends around them gone;
//   rename   only the bytes between its quotes changed;
//   move     the same bytes, the data-inputs in their new order.
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "datainput/data_input_edits.hpp"
#include "datainput/data_input_reader.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ugraph;

constexpr std::string_view NEW_TEXT = "[U \"fuzz\", (1),2]";

std::vector<DataInput> inputs_of(const std::string& content) {
    std::istringstream in(content);
    DataInputReader reader(in);
    std::vector<DataInput> inputs;
    DataInput input;
    while (reader.next(input)) {
        inputs.push_back(input);
    }
    return inputs;
}

std::vector<std::string> texts_of(const std::vector<DataInput>& inputs) {
    std::vector<std::string> texts;
    texts.reserve(inputs.size());
    for (const DataInput& input : inputs) {
        texts.push_back(input.text);
    }
    return texts;
}

std::string raw(const std::string& content, const DataInput& input) {
    return content.substr(input.start, input.end - input.start);
}

bool is_subsequence(const std::string& part, const std::string& whole) {
    std::size_t k = 0;
    for (const char c : whole) {
        k += k < part.size() && part[k] == c ? 1 : 0;
    }
    return k == part.size();
}

// The bytes of `whole` that `part` lacks, as counts.
std::map<char, long> missing(const std::string& whole, const std::string& part) {
    std::map<char, long> count;
    for (const char c : whole) {
        ++count[c];
    }
    for (const char c : part) {
        --count[c];
    }
    return count;
}

bool usable(const std::vector<DataInput>& before, int number) {
    return number >= 1 && number <= static_cast<int>(before.size()) &&
           before[static_cast<std::size_t>(number - 1)].closed;
}

void check_delete(const std::string& old, const std::string& out,
                  const std::vector<DataInput>& before, int n, int m) {
    std::vector<std::string> expected;
    std::map<char, long> removed = missing(old, out);
    for (const DataInput& input : before) {
        if (input.number == n || input.number == m) {
            for (const char c : raw(old, input)) {
                --removed[c];
            }
        } else {
            expected.push_back(input.text);
        }
    }
    FUZZ_CHECK(texts_of(inputs_of(out)) == expected);
    FUZZ_CHECK(is_subsequence(out, old));
    for (const auto& [c, count] : removed) {
        FUZZ_CHECK(count == 0 || (count > 0 && (c == ' ' || c == '\t' || c == '\r' || c == '\n')));
    }
}

void check_rename(const std::string& old, const std::string& out,
                  const std::vector<DataInput>& before, int n, const std::string& name) {
    const DataInput& input = before[static_cast<std::size_t>(n - 1)];
    const std::string text = raw(old, input);
    const std::size_t open = text.find('"');
    const std::size_t close = text.find('"', open + 1);
    std::string expected = old;
    expected.replace(input.start + open + 1, close - open - 1, name);
    FUZZ_CHECK(out == expected);
}

void check_move(const std::string& old, const std::string& out,
                const std::vector<DataInput>& before, int n, int m) {
    std::vector<std::string> expected = texts_of(before);
    const std::string moved = expected[static_cast<std::size_t>(n - 1)];
    expected.erase(expected.begin() + n - 1);
    expected.insert(expected.begin() + m - 1, moved);
    FUZZ_CHECK(texts_of(inputs_of(out)) == expected);
    for (const auto& [c, count] : missing(old, out)) {
        FUZZ_CHECK(count == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const int edit = data[0] % 4;
    const int n = data[1] % 12;
    const int m = data[2] % 12;
    const std::string old(reinterpret_cast<const char*>(data) + 3, size - 3);
    const std::string name(static_cast<std::size_t>(data[2] % 16), 'n');
    const std::vector<DataInput> before = inputs_of(old);

    std::istringstream in(old);
    std::ostringstream out_stream;
    Result<> done;
    bool unchanged = false;
    bool expected = usable(before, n);
    const std::array both{n, m};
    switch (edit) {
        case 0:
            done = replace_data_input(in, out_stream, n, NEW_TEXT);
            break;
        case 1:
            done = delete_data_inputs(in, out_stream, both);
            expected = expected && usable(before, m);
            break;
        case 2:
            done = rename_data_input(in, out_stream, n, name, &unchanged);
            if (expected) {
                const std::string text = raw(old, before[static_cast<std::size_t>(n - 1)]);
                expected = std::count(text.begin(), text.end(), '"') >= 2;
            }
            break;
        default:
            done = move_data_input(in, out_stream, n, m);
            expected = expected && usable(before, m);
    }
    FUZZ_CHECK(done.ok() == expected);
    if (!done) {
        return 0;
    }
    if (unchanged) {
        // Told so, nothing is written; the rename done anyway is the old
        // content, byte for byte.
        FUZZ_CHECK(out_stream.str().empty());
        std::istringstream again(old);
        std::ostringstream whole;
        FUZZ_CHECK(rename_data_input(again, whole, n, name).ok() && whole.str() == old);
        return 0;
    }
    const std::string out = out_stream.str();
    // What follows the content's end is kept as it was.
    const std::size_t mark = old.find('\x1a');
    if (mark != std::string::npos) {
        FUZZ_CHECK(out.ends_with(old.substr(mark)));
    }
    if (edit == 0) {
        const DataInput& input = before[static_cast<std::size_t>(n - 1)];
        FUZZ_CHECK(out ==
                   old.substr(0, input.start) + std::string(NEW_TEXT) + old.substr(input.end));
    } else if (edit == 1) {
        check_delete(old, out, before, n, m);
    } else if (edit == 2) {
        check_rename(old, out, before, n, name);
    } else {
        check_move(old, out, before, n, m);
    }
    return 0;
}
