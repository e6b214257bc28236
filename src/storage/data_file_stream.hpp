#pragma once
// DataFileStream: the data file open for reading as a stream, reached and
// locked shared by lock_file (see file_lock.hpp), so that a refused link, a
// FIFO, a device or a folder never gets as far as a read, and no replacement
// rewrites the file while it is read.
//
// open() gives the stream, or is refused with the reason the file cannot be
// read: the kind link for a refused link, busy for a file another program
// kept locked past the patience (`wait` was then told once). A read that
// fails later makes the stream bad, so a reader tells it from the file's
// end. rewind() goes back to the first byte, for a second pass over the same
// file. unlock() lets writers in while the stream waits, for instance for an
// answer; lock_again() takes the lock back before the next read, waiting as
// open() does, and is refused with kind busy.
//
// DataFileBuffer reads an open file through the platform from `start` on, a
// buffer at a time, without owning it; error() gives the error of a read
// that failed. It seeks to any offset from the start or from where it reads
// (the edits of one data-input copy spans of the file by offset); a seek
// from the end is refused, since the file may still grow under a reader.
// A read of a buffer's size or more goes from the file straight into the
// reader's memory, without a copy through the buffer.
#include <filesystem>
#include <istream>
#include <memory>
#include <streambuf>

#include "common/result.hpp"
#include "storage/file_lock.hpp"
#include "storage/platform.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {

class DataFileBuffer : public std::streambuf {
public:
    DataFileBuffer(const Platform& platform, FileHandle file, std::uint64_t start = 0);
    void rewind();
    int error() const { return error_; }

protected:
    int_type underflow() override;
    std::streamsize xsgetn(char* into, std::streamsize count) override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir from,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    std::size_t read_file(char* into, std::size_t size);

    const Platform& platform_;
    FileHandle file_;
    std::unique_ptr<char[]> buffer_;  // BUFFER_BYTES, left unset until read into
    std::uint64_t start_;
    std::uint64_t next_;  // the offset of the byte after the buffer's
    int error_ = 0;
};

class DataFileStream {
public:
    static Result<std::unique_ptr<DataFileStream>> open(const std::filesystem::path& file,
                                                        const LockWait& wait,
                                                        const Platform& platform);

    DataFileStream(const Platform& platform, UniqueFile file, bool locked);
    DataFileStream(const DataFileStream&) = delete;
    DataFileStream& operator=(const DataFileStream&) = delete;
    ~DataFileStream() = default;

    std::istream& stream() { return stream_; }
    void rewind();
    void unlock();
    Result<> lock_again(const LockWait& wait);

private:
    const Platform& platform_;
    UniqueFile file_;
    bool locked_;
    DataFileBuffer buffer_;
    std::istream stream_;
};

}  // namespace ugraph
