#pragma once
// OutputBuffer: a stream buffer that writes an open file (the standard
// output, a FIFO, a device) through the platform, a buffer at a time, and
// keeps the first error: from then on every write fails, so the stream turns
// bad and whoever writes it can stop at once. The file is not owned; what is
// still buffered is written when the buffer goes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <streambuf>

#include "storage/platform.hpp"

namespace ugraph {

class OutputBuffer : public std::streambuf {
public:
    OutputBuffer(const Platform& platform, FileHandle file);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    ~OutputBuffer() override;

    // 0, or the error of the write that failed (EPIPE: the reader went away).
    int error() const { return error_; }
    const Platform& platform() const { return platform_; }
    // The bytes that went out so far.
    std::uint64_t written() const { return written_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool drain();

    const Platform& platform_;
    FileHandle file_;
    std::unique_ptr<char[]> buffer_;  // OUTPUT_BYTES, left unset until written
    int error_ = 0;
    std::uint64_t written_ = 0;
};

}  // namespace ugraph
