#include "datainput/data_input_reader.hpp"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "datainput/data_input_text.hpp"

namespace ugraph {
namespace {

constexpr std::size_t CHUNK = std::size_t{64} * 1024;
constexpr char END_OF_FILE_MARK = '\x1a';

const char* find_or_end(const char* from, const char* to, char wanted) {
    const void* found = std::memchr(from, wanted, static_cast<std::size_t>(to - from));
    return found != nullptr ? static_cast<const char*>(found) : to;
}

}  // namespace

// The buffer is not zeroed: only the bytes a read put in it are ever taken.
DataInputReader::DataInputReader(std::istream& in, Placing placing)
    : in_(in),
      buffer_(new char[CHUNK]),  // NOLINT(modernize-make-unique)
      place_each_(placing == Placing::each) {}

bool DataInputReader::refill() {
    if (ended_) {
        return false;
    }
    // The lines of this buffer are counted before it goes, and the place of
    // a data-input begun in it is found first.
    if (unplaced_) {
        find_place();
    }
    count_lines_to(end_);
    in_.read(buffer_.get(), static_cast<std::streamsize>(CHUNK));
    consumed_ += end_;
    pos_ = 0;
    counted_ = 0;
    const auto got = static_cast<std::size_t>(in_.gcount());
    end_ = got;
    if (got == 0) {
        ended_ = true;
        failed_ = in_.bad();
        return false;
    }
    // Nothing after a Ctrl-Z is read, not even what is already buffered:
    // the buffer ends there, and so does the file.
    if (const void* mark = std::memchr(buffer_.get(), END_OF_FILE_MARK, got); mark != nullptr) {
        end_ = static_cast<std::size_t>(static_cast<const char*>(mark) - buffer_.get());
        ended_ = true;
    }
    carriage_return_ = static_cast<std::size_t>(
        find_or_end(buffer_.get(), buffer_.get() + end_, '\r') - buffer_.get());
    return end_ > 0;
}

namespace {

// How many `wanted` bytes there are in [from, to): counted in blocks of
// 240 with a byte-wide tally, which compilers turn into wide vector compares
// without a byte-at-a-time tail (240 is a whole number of vectors, and below
// the 256 a byte holds); a plain std::count widens every step to 64 bits and
// runs several times slower over a large library.
unsigned tally_of(const char* from, std::ptrdiff_t size, char wanted) {
    unsigned char tally = 0;
    for (std::ptrdiff_t k = 0; k < size; ++k) {
        tally = static_cast<unsigned char>(tally + (from[k] == wanted ? 1 : 0));
    }
    return tally;
}

std::uint64_t count_of(const char* from, const char* to, char wanted) {
    constexpr std::ptrdiff_t BLOCK = 240;
    std::uint64_t total = 0;
    for (; to - from >= BLOCK; from += BLOCK) {
        total += tally_of(from, BLOCK, wanted);
    }
    return total + tally_of(from, to - from, wanted);
}

}  // namespace

// Brings the line, its first byte and its carriage returns so far up to
// `upto` in the buffer, from where they were last brought.
void DataInputReader::count_lines_to(std::size_t upto) {
    if (upto <= counted_) {
        return;
    }
    const char* from = buffer_.get() + counted_;
    const char* to = buffer_.get() + upto;
    counted_ = upto;
    const auto lines = count_of(from, to, '\n');
    if (lines == 0) {
        line_crs_ += count_of(from, to, '\r');
        return;
    }
    line_ += lines;
    const char* last =
        std::find(std::make_reverse_iterator(to), std::make_reverse_iterator(from), '\n').base();
    line_start_ = consumed_ + static_cast<std::uint64_t>(last - buffer_.get());
    line_crs_ = count_of(last, to, '\r');
}

// The line and column of the "[" at open_at_, from the lines counted up to it.
void DataInputReader::find_place() {
    count_lines_to(open_at_);
    open_line_ = line_;
    open_column_ = consumed_ + open_at_ - line_start_ - line_crs_ + 1;
    unplaced_ = false;
}

void DataInputReader::place(DataInput& into) {
    if (unplaced_) {
        find_place();
    }
    into.line = open_line_;
    into.column = open_column_;
}

// Passes over free text up to and including the next "["; gives false when
// the file ends first.
bool DataInputReader::skip_free_text() {
    for (;;) {
        if (pos_ == end_ && !refill()) {
            return false;
        }
        // Most often only a line end stands before the next "[": the first
        // bytes are looked at before a search is started.
        const char* from = buffer_.get() + pos_;
        const std::size_t near = std::min<std::size_t>(end_ - pos_, 2);
        for (std::size_t k = 0; k < near; ++k) {
            if (from[k] == '[') {
                pos_ += k + 1;
                return true;
            }
        }
        if (const void* open = std::memchr(from, '[', end_ - pos_); open != nullptr) {
            pos_ += static_cast<std::size_t>(static_cast<const char*>(open) - from) + 1;
            return true;
        }
        pos_ = end_;
    }
}

// The first carriage return at or after `from`, or end_: a file without any
// is searched once a buffer, not once a data-input.
std::size_t DataInputReader::next_carriage_return(std::size_t from) {
    if (carriage_return_ < from) {
        carriage_return_ = static_cast<std::size_t>(
            find_or_end(buffer_.get() + from, buffer_.get() + end_, '\r') - buffer_.get());
    }
    return carriage_return_;
}

// Reads the data-input from its "[" at pos_ up to its "]" or the end of the
// file, its carriage returns dropped: a data-input within one buffer and
// without any is taken in one piece.
void DataInputReader::read_body(DataInput& into, const Echo* echo, bool keep_text) {
    const std::size_t kept = keep_text ? MAX_DATA_INPUT_CHARS + 1 : 0;
    for (;;) {
        if (pos_ == end_ && !refill()) {
            into.end = offset();
            return;
        }
        const char* buffer = buffer_.get();
        const auto close =
            static_cast<std::size_t>(find_or_end(buffer + pos_, buffer + end_, ']') - buffer);
        const bool closed = close != end_;
        // The "]" is kept, but not echoed.
        const std::size_t past = closed ? close + 1 : close;
        while (pos_ != past) {
            const std::size_t cut = std::min(next_carriage_return(pos_), past);
            if (into.text.size() < kept) {
                into.text.append(buffer + pos_, std::min(cut - pos_, kept - into.text.size()));
            }
            into.length += cut - pos_;
            if (echo != nullptr && std::min(cut, close) != pos_) {
                (*echo)(std::string_view(buffer + pos_, std::min(cut, close) - pos_));
            }
            pos_ = cut == past ? past : cut + 1;
        }
        if (closed) {
            into.closed = true;
            into.end = offset();
            return;
        }
    }
}

// Finds the data-input's "]" or the end of the file, and no more.
void DataInputReader::pass_body(DataInput& into) {
    for (;;) {
        if (pos_ == end_ && !refill()) {
            into.end = offset();
            return;
        }
        const char* from = buffer_.get() + pos_;
        if (const void* close = std::memchr(from, ']', end_ - pos_); close != nullptr) {
            pos_ += static_cast<std::size_t>(static_cast<const char*>(close) - from) + 1;
            into.closed = true;
            into.end = offset();
            return;
        }
        pos_ = end_;
    }
}

bool DataInputReader::next(DataInput& into, const Echo& echo, bool keep_text) {
    return next_one(into, echo ? &echo : nullptr, keep_text);
}

bool DataInputReader::next_one(DataInput& into, const Echo* echo, bool keep_text) {
    // The data-input given before is left behind, placed or not.
    unplaced_ = false;
    if (ended_ && pos_ == end_) {
        return false;
    }
    if (!skip_free_text()) {
        return false;
    }
    into.number = ++count_;
    into.start = offset() - 1;
    into.text.clear();
    into.length = 0;
    into.closed = false;
    into.line = 0;
    into.column = 0;
    if (!keep_text && echo == nullptr) {
        pass_body(into);
        return true;
    }
    --pos_;
    open_at_ = pos_;
    unplaced_ = true;
    if (place_each_) {
        place(into);
    }
    read_body(into, echo, keep_text);
    return true;
}

bool seek_data_input(DataInputReader& reader, int number, DataInput& into) {
    while (reader.next(into, nullptr, reader.count() + 1 == number)) {
        if (into.number == number) {
            return true;
        }
    }
    return false;
}

}  // namespace ugraph
