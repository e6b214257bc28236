#include "datafile/data_input_reader.hpp"

#include <algorithm>

#include "datafile/data_file.hpp"

namespace ugraph {
namespace {

constexpr std::size_t CHUNK = 64 * 1024;
constexpr char END_OF_FILE_MARK = '\x1a';

}  // namespace

DataInputReader::DataInputReader(std::istream& in) : in_(in), buffer_(CHUNK) {}

bool DataInputReader::refill() {
    if (ended_) {
        return false;
    }
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
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
                ++line_;
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
    if (into.text.size() < kept) {
        into.text.append(piece.substr(0, kept - into.text.size()));
    }
    into.length += piece.size();
    if (echo) {
        echo(piece);
    }
}

// Reads the data-input after its "[" up to its "]" or the end of the file.
void DataInputReader::read_body(DataInput& into, const Echo& echo) {
    for (;;) {
        if (pos_ == end_ && !refill()) {
            return;
        }
        const std::size_t start = pos_;
        for (; pos_ < end_; ++pos_) {
            const char c = buffer_[pos_];
            if (c == ']' || c == '\r' || c == END_OF_FILE_MARK) {
                break;
            }
            line_ += (c == '\n') ? 1 : 0;
        }
        take(into, std::string_view(buffer_.data() + start, pos_ - start), echo);
        if (pos_ == end_) {
            continue;
        }
        const char stop = buffer_[pos_++];
        if (stop == END_OF_FILE_MARK) {
            stop_at_mark();
            return;
        }
        if (stop == ']') {
            into.closed = true;
            take(into, "]", nullptr);
            return;
        }
    }
}

bool DataInputReader::next(DataInput& into, const Echo& echo) {
    if (ended_ && pos_ == end_) {
        return false;
    }
    if (!skip_free_text()) {
        return false;
    }
    into.number = ++count_;
    into.line = line_;
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
