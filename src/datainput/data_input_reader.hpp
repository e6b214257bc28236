#pragma once
// DataInputReader: the data file as a sequence of data-inputs, read as a
// stream so that memory does not grow with the file.
//
// The file is seen as a text-mode reader sees it: every carriage return is
// dropped and a byte of code 26 (Ctrl-Z) ends it. A data-input is the text
// from a "[" up to and including the next "]"; data-inputs are numbered 1,
// 2, ... in file order, and everything between them is free text, passed
// over. A data-input that the end of the file cuts off before its "]" is the
// last one, marked as not closed.
//
// Only the first MAX_DATA_INPUT_CHARS + 1 characters of a data-input are
// kept, which is enough to tell that a longer one is too long; `echo`, where
// given, receives the whole text as it is read ("[" included, "]" not), so
// the dialogue can list data-inputs of any length.
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace ugraph {

struct DataInput {
    int number = 0;            // 1, 2, ... in file order
    std::uint64_t line = 0;    // the line its "[" stands on, from 1
    std::string text;          // from "[" on; at most MAX_DATA_INPUT_CHARS + 1 characters
    std::uint64_t length = 0;  // the whole data-input's length, "]" included when closed
    bool closed = false;       // its "]" came before the end of the file
};

class DataInputReader {
public:
    using Echo = std::function<void(std::string_view)>;

    explicit DataInputReader(std::istream& in);

    // Reads on to the next data-input and fills `into`; gives false when the
    // file (or its Ctrl-Z) ends first.
    bool next(DataInput& into, const Echo& echo = nullptr);

    // True when reading stopped on an error of the stream, not at its end.
    bool failed() const { return failed_; }

    // How many data-inputs have been read so far.
    int count() const { return count_; }

private:
    bool refill();
    void stop_at_mark();
    bool skip_free_text();
    void read_body(DataInput& into, const Echo& echo);
    static void take(DataInput& into, std::string_view piece, const Echo& echo);

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::uint64_t line_ = 1;
    int count_ = 0;
    bool ended_ = false;
    bool failed_ = false;
};

// Reads on to the data-input of that number; gives false when the file
// holds fewer (reader.count() then tells how many it holds).
bool seek_data_input(DataInputReader& reader, int number, DataInput& into);

}  // namespace ugraph
