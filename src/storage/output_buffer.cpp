#include "storage/output_buffer.hpp"

#include <string_view>

#include "storage/file_io.hpp"

namespace ugraph {

constexpr std::size_t OUTPUT_BYTES = std::size_t{64} * 1024;

// The buffer is not zeroed: every command builds one at its start, and only
// the bytes written into it are ever read.
OutputBuffer::OutputBuffer(const Platform& platform, FileHandle file)
    : platform_(platform),
      file_(file),
      buffer_(new char[OUTPUT_BYTES]) {  // NOLINT(modernize-make-unique)
    setp(buffer_.get(), buffer_.get() + OUTPUT_BYTES);
}

OutputBuffer::~OutputBuffer() { (void)drain(); }

bool OutputBuffer::drain() {
    if (error_ == 0 && pptr() > pbase()) {
        error_ = write_all(platform_, file_,
                           std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())),
                           &written_);
    }
    if (error_ != 0) {
        setp(buffer_.get(), buffer_.get());  // every further write fails
        return false;
    }
    setp(buffer_.get(), buffer_.get() + OUTPUT_BYTES);
    return true;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int OutputBuffer::sync() { return drain() ? 0 : -1; }

}  // namespace ugraph
