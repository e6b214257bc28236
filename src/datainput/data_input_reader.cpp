#include "datainput/data_input_reader.hpp"

#include <algorithm>
#include <cstring>

#include "datainput/data_input_text.hpp"

namespace ugraph {
namespace {

constexpr std::size_t CHUNK = std::size_t{64} * 1024;
constexpr char END_OF_FILE_MARK = '\x1a';

}  // namespace

// The buffer is not zeroed: only the bytes a read put in it are ever taken.
DataInputReader::DataInputReader(std::istream& in)
    : in_(in), buffer_(new char[CHUNK]) {}  // NOLINT(modernize-make-unique)

bool DataInputReader::refill() {
    if (ended_) {
        return false;
    }
    in_.read(buffer_.get(), static_cast<std::streamsize>(CHUNK));
    consumed_ += end_;
    pos_ = 0;
    end_ = static_cast<std::size_t>(in_.gcount());
    if (end_ == 0) {
        ended_ = true;
        failed_ = in_.bad();
    }
    return end_ > 0;
}

// Nothing after a Ctrl-Z is read, not even what is already buffered.
void DataInputReader::stop_at_mark() {
    pos_ = end_;
    ended_ = true;
}

// Passes over free text up to and including the next "["; gives false when
// the file ends first.
bool DataInputReader::skip_free_text() {
    for (;;) {
        if (pos_ == end_ && !refill()) {
            return false;
        }
        for (; pos_ < end_; ++pos_) {
            const char c = buffer_[pos_];
            if (c == '\n') {
                new_line(offset() + 1);
            } else if (c == '\r') {
                ++line_crs_;
            } else if (c == '[') {
                ++pos_;
                return true;
            } else if (c == END_OF_FILE_MARK) {
                stop_at_mark();
                return false;
            }
        }
    }
}

void DataInputReader::take(DataInput& into, std::string_view piece, const Echo& echo) const {
    if (piece.empty()) {
        return;
    }
    constexpr std::size_t kept = MAX_DATA_INPUT_CHARS + 1;
    if (keep_text_ && into.text.size() < kept) {
        into.text.append(piece.substr(0, kept - into.text.size()));
    }
    into.length += piece.size();
    if (echo) {
        echo(piece);
    }
}

namespace {

// The first of the characters that end a run of a data-input's text: its
// "]", a carriage return to drop, the Ctrl-Z that ends the file, or a line
// end to count.
const char* run_end(const char* from, const char* to) {
    for (const char stop : {']', '\r', END_OF_FILE_MARK, '\n'}) {
        const void* found = std::memchr(from, stop, static_cast<std::size_t>(to - from));
        to = found != nullptr ? static_cast<const char*>(found) : to;
    }
    return to;
}

}  // namespace

// Reads the data-input after its "[" up to its "]" or the end of the file.
void DataInputReader::read_body(DataInput& into, const Echo& echo) {
    for (;;) {
        if (pos_ == end_ && !refill()) {
            into.end = offset();
            return;
        }
        const char* from = buffer_.get() + pos_;
        const char* stop = run_end(from, buffer_.get() + end_);
        take(into, std::string_view(from, static_cast<std::size_t>(stop - from)), echo);
        pos_ += static_cast<std::size_t>(stop - from);
        if (pos_ == end_) {
            continue;
        }
        const char stopped_at = buffer_[pos_++];
        if (stopped_at == '\n') {
            new_line(offset());
            take(into, "\n", echo);
            continue;
        }
        if (stopped_at == '\r') {
            ++line_crs_;
            continue;
        }
        if (stopped_at == END_OF_FILE_MARK) {
            into.end = offset() - 1;
            stop_at_mark();
            return;
        }
        if (stopped_at == ']') {
            into.closed = true;
            into.end = offset();
            take(into, "]", nullptr);
            return;
        }
    }
}

bool DataInputReader::next(DataInput& into, const Echo& echo, bool keep_text) {
    keep_text_ = keep_text;
    if (ended_ && pos_ == end_) {
        return false;
    }
    if (!skip_free_text()) {
        return false;
    }
    into.number = ++count_;
    into.line = line_;
    into.start = offset() - 1;
    into.column = into.start - line_start_ - line_crs_ + 1;
    into.text.clear();
    into.length = 0;
    into.closed = false;
    take(into, "[", echo);
    read_body(into, echo);
    return true;
}

bool seek_data_input(DataInputReader& reader, int number, DataInput& into) {
    while (reader.next(into)) {
        if (into.number == number) {
            return true;
        }
    }
    return false;
}

}  // namespace ugraph
