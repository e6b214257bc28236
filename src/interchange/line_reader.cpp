#include "interchange/line_reader.hpp"

#include <algorithm>
#include <cstring>

namespace ugraph {

namespace {

// The buffer starts small, since many inputs are short (a graph written and
// read back again), and doubles while the input fills it, up to room for a
// whole capped line and a block read behind it.
constexpr std::size_t FIRST_BUFFER_SIZE = 4096;
constexpr std::size_t LAST_BUFFER_SIZE = 2 * LineReader::LINE_CAP;

}  // namespace

LineReader::LineReader(std::istream& in) : in_(in), buffer_(FIRST_BUFFER_SIZE) {}

// Moves what is left to the front and reads more behind it; false when the
// input gave nothing more.
bool LineReader::fill() {
    if (at_end_) {
        return false;
    }
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (buffer_.size() < LAST_BUFFER_SIZE && (end_ == buffer_.size() || last_read_filled_)) {
        buffer_.resize(2 * buffer_.size());
    }
    const std::size_t room = buffer_.size() - end_;
    in_.read(buffer_.data() + end_, static_cast<std::streamsize>(room));
    const auto got = static_cast<std::size_t>(in_.gcount());
    end_ += got;
    last_read_filled_ = got == room;
    at_end_ = got == 0 || !in_;
    return got != 0;
}

void LineReader::skip_rest_of_line() {
    for (;;) {
        const void* newline = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
        if (newline != nullptr) {
            begin_ = static_cast<const char*>(newline) - buffer_.data() + 1;
            in_cut_line_ = false;
            return;
        }
        begin_ = end_;
        if (!fill()) {
            return;
        }
    }
}

bool LineReader::next(std::string_view& line, bool& cut) {
    if (in_cut_line_) {
        skip_rest_of_line();
    }
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const std::size_t held = end_ - begin_;
        const void* newline = std::memchr(start, '\n', std::min(held, LINE_CAP + 1));
        if (newline != nullptr) {
            line = std::string_view(start, static_cast<const char*>(newline) - start);
            begin_ += line.size() + 1;
        } else if (held > LINE_CAP) {
            line = std::string_view(start, LINE_CAP);
            begin_ += LINE_CAP;
            in_cut_line_ = true;
        } else if (fill()) {
            continue;
        } else if (held != 0) {
            line = std::string_view(buffer_.data() + begin_, held);
            begin_ = end_;
        } else {
            return false;
        }
        cut = in_cut_line_;
        ++number_;
        return true;
    }
}

}  // namespace ugraph
