#pragma once
// DataFileStream: the data file open for reading as a stream, reached by
// follow_links_safely and open_regular_file (see file_access.hpp), so that a
// refused link, a FIFO, a device or a folder never gets as far as a read.
#include <ext/stdio_filebuf.h>
#include <filesystem>
#include <istream>
#include <memory>
#include <string>

#include "common/result.hpp"

namespace ugraph {

class DataFileStream {
public:
    // Refused, with the reason, when the file cannot be read.
    static Result<std::unique_ptr<DataFileStream>> open(const std::filesystem::path& file);

    std::istream& stream() { return stream_; }
    // Back to the first byte, for a second pass over the same file.
    void rewind();

    explicit DataFileStream(int fd);

private:
    __gnu_cxx::stdio_filebuf<char> buffer_;  // owns and closes the descriptor
    std::istream stream_;
};

}  // namespace ugraph
