#pragma once
// DataFileStream: the data file open for reading as a stream, reached by
// open_data_file (see file_access.hpp), so that a refused link, a FIFO, a
// device or a folder never gets as far as a read.
//
// open() gives the stream, or is refused with the reason the file cannot be
// read (the kind link for a refused link). A read that fails later makes
// the stream bad, so a reader tells it from the file's end. rewind() goes
// back to the first byte, for a second pass over the same file.
#include <filesystem>
#include <istream>
#include <memory>
#include <streambuf>
#include <vector>

#include "common/result.hpp"
#include "storage/platform.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {

// Reads an open file through the platform, a buffer at a time.
class DataFileBuffer : public std::streambuf {
public:
    DataFileBuffer(const Platform& platform, UniqueFile file);
    void rewind();

protected:
    int_type underflow() override;

private:
    const Platform& platform_;
    UniqueFile file_;
    std::vector<char> buffer_;
    std::uint64_t next_ = 0;  // the offset of the byte after the buffer's
};

class DataFileStream {
public:
    static Result<std::unique_ptr<DataFileStream>> open(
        const std::filesystem::path& file, const Platform& platform = system_platform());

    DataFileStream(const Platform& platform, UniqueFile file);
    DataFileStream(const DataFileStream&) = delete;
    DataFileStream& operator=(const DataFileStream&) = delete;
    ~DataFileStream() = default;

    std::istream& stream() { return stream_; }
    void rewind();

private:
    DataFileBuffer buffer_;
    std::istream stream_;
};

}  // namespace ugraph
