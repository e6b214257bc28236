#pragma once
// DataFileStream: the data file open for reading as a stream, reached by
// follow_links_safely and open_regular_file (see file_access.hpp), so that a
// refused link, a FIFO, a device or a folder never gets as far as a read.
#include <array>
#include <filesystem>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

#include "datafile/unique_fd.hpp"

namespace ugraph {

// The stream's buffer over the descriptor open_regular_file gave: reads it
// in blocks, so that a data file of any size costs one block of memory, and
// seeks it for the second pass over the file.
class FdReadBuffer : public std::streambuf {
public:
    explicit FdReadBuffer(int fd) : fd_(fd) {}

protected:
    int_type underflow() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir from,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    UniqueFd fd_;
    std::array<char, 65536> block_{};
};

class DataFileStream {
public:
    // Gives nothing, and the reason in `why`, when the file cannot be read.
    static std::unique_ptr<DataFileStream> open(const std::filesystem::path& file,
                                                std::string& why);

    std::istream& stream() { return stream_; }
    // Back to the first byte, for a second pass over the same file.
    void rewind();

    explicit DataFileStream(int fd);

private:
    FdReadBuffer buffer_;  // owns and closes the descriptor
    std::istream stream_;
};

}  // namespace ugraph
