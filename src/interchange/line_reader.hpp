#pragma once
// LineReader: the lines of a stream, read in large blocks, in bounded memory.
//
// next() gives the next line without its '\n' (a last line without one
// counts too) and false at the end of the input. A line longer than
// LINE_CAP is given cut to its first LINE_CAP bytes, with `cut` set; the
// rest of it is skipped without being kept. The view stays valid until the
// next call. number() is the 1-based number of the line last given.
#include <cstddef>
#include <istream>
#include <string_view>
#include <vector>

namespace ugraph {

class LineReader {
public:
    static constexpr std::size_t LINE_CAP = std::size_t{64} * 1024;

    explicit LineReader(std::istream& in);
    bool next(std::string_view& line, bool& cut);
    std::size_t number() const { return number_; }

private:
    bool fill();
    void skip_rest_of_line();

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t number_ = 0;
    bool in_cut_line_ = false;
    bool last_read_filled_ = false;
    bool at_end_ = false;
};

}  // namespace ugraph
