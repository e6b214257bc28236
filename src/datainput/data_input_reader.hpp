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
//
// Each data-input also tells where it stands among the file's raw bytes (its
// carriage returns counted), for the edits that copy every other byte as it
// was, and the line and column of its "[", for messages that point into the
// file.
//
// A reader that tells where only the few data-inputs it refuses stand (a
// long export) is made with Placing::when_asked: the lines are then counted
// a buffer at a time, and a data-input's line and column only when place()
// is asked for them.
//
// A reader that only counts and places data-inputs (a seek, the survey of an
// edit) passes over the others without keeping their text: it then finds
// each one's "]" in a single search, and the lines are counted a buffer at a
// time, which keeps a seek in a large library near the speed of a copy.
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace ugraph {

struct DataInput {
    int number = 0;            // 1, 2, ... in file order
    std::uint64_t line = 0;    // the line its "[" stands on, from 1
    std::string text;          // from "[" on; at most MAX_DATA_INPUT_CHARS + 1 characters
    std::uint64_t length = 0;  // the whole data-input's length, "]" included when closed
    bool closed = false;       // its "]" came before the end of the file
    std::uint64_t column = 0;  // the column of its "[" on its line, from 1 (CRs not counted)
    std::uint64_t start = 0;   // the raw byte offset of its "["
    std::uint64_t end = 0;  // the raw offset after its "]", or where the file or its Ctrl-Z ends it
};

// Whether next() gives each data-input it keeps its line and column, or
// leaves them 0 until place() is asked.
enum class Placing { each, when_asked };

class DataInputReader {
public:
    using Echo = std::function<void(std::string_view)>;

    explicit DataInputReader(std::istream& in, Placing placing = Placing::each);

    // Reads on to the next data-input and fills `into`; gives false when the
    // file (or its Ctrl-Z) ends first. Without `keep_text` (and no `echo`)
    // the data-input is passed over, for a reader that needs only where the
    // data-inputs stand: its number, `closed`, `start` and `end` are set, its
    // text is left empty and its line, column and length 0.
    bool next(DataInput& into, const Echo& echo, bool keep_text = true);
    bool next(DataInput& into) { return next_one(into, nullptr, true); }

    // Sets the line and column of `into`, the data-input next() gave last
    // with its text kept.
    void place(DataInput& into);

    // True when reading stopped on an error of the stream, not at its end.
    bool failed() const { return failed_; }

    // How many data-inputs have been read so far.
    int count() const { return count_; }

private:
    bool next_one(DataInput& into, const Echo* echo, bool keep_text);
    bool refill();
    std::uint64_t offset() const { return consumed_ + pos_; }
    void count_lines_to(std::size_t upto);
    void find_place();
    bool skip_free_text();
    std::size_t next_carriage_return(std::size_t from);
    void read_body(DataInput& into, const Echo* echo, bool keep_text);
    void pass_body(DataInput& into);

    std::istream& in_;
    std::unique_ptr<char[]> buffer_;  // CHUNK bytes, left unset until read into
    std::size_t pos_ = 0;
    std::size_t end_ = 0;      // the bytes read, or those before the Ctrl-Z among them
    std::size_t counted_ = 0;  // the lines below are counted up to here in the buffer
    std::uint64_t line_ = 1;
    std::uint64_t consumed_ = 0;    // raw bytes of the buffers before this one
    std::uint64_t line_start_ = 0;  // raw offset of the current line's first byte
    std::uint64_t line_crs_ = 0;    // carriage returns on the current line so far
    // The first carriage return in the buffer at or after where the last search
    // for one began, or end_ for none.
    std::size_t carriage_return_ = 0;
    // The "[" of the data-input given last, in the buffer, and whether its
    // place is still to be found there.
    std::size_t open_at_ = 0;
    bool unplaced_ = false;
    std::uint64_t open_line_ = 0;
    std::uint64_t open_column_ = 0;
    int count_ = 0;
    bool ended_ = false;
    bool failed_ = false;
    bool place_each_ = true;
};

// Reads on to the data-input of that number; gives false when the file
// holds fewer (reader.count() then tells how many it holds).
bool seek_data_input(DataInputReader& reader, int number, DataInput& into);

}  // namespace ugraph
