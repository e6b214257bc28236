#include "storage/data_file_stream.hpp"

#include <algorithm>
#include <cerrno>
#include <ios>
#include <utility>

namespace ugraph {

// As much as a reader takes at a time; a longer file streams through it.
constexpr std::size_t BUFFER_BYTES = std::size_t{64} * 1024;

// The buffer is not zeroed: only the bytes a read put in it are ever taken.
DataFileBuffer::DataFileBuffer(const Platform& platform, FileHandle file, std::uint64_t start)
    : platform_(platform),
      file_(file),
      buffer_(new char[BUFFER_BYTES]),  // NOLINT(modernize-make-unique)
      start_(start),
      next_(start) {}

void DataFileBuffer::rewind() {
    next_ = start_;
    setg(nullptr, nullptr, nullptr);
}

// The next bytes of the file, from next_ on; 0 at its end.
std::size_t DataFileBuffer::read_file(char* into, std::size_t size) {
    std::size_t got = 0;
    if (const int error = platform_.read_at(file_, next_, into, size, got); error != 0) {
        error_ = error;
        // The stream catches it and turns bad, as on any failed read.
        throw std::ios_base::failure(platform_.describe(error));
    }
    next_ += got;
    return got;
}

DataFileBuffer::int_type DataFileBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    const std::size_t got = read_file(buffer_.get(), BUFFER_BYTES);
    if (got == 0) {
        return traits_type::eof();
    }
    setg(buffer_.get(), buffer_.get(), buffer_.get() + got);
    return traits_type::to_int_type(*gptr());
}

std::streamsize DataFileBuffer::xsgetn(char* into, std::streamsize count) {
    // What is buffered goes first; then as many whole buffers' worth as are
    // wanted come straight from the file, and the rest through the buffer.
    std::streamsize given = std::min(count, static_cast<std::streamsize>(egptr() - gptr()));
    if (given > 0) {
        traits_type::copy(into, gptr(), static_cast<std::size_t>(given));
        gbump(static_cast<int>(given));
    }
    while (count - given >= static_cast<std::streamsize>(BUFFER_BYTES)) {
        const std::size_t got = read_file(into + given, static_cast<std::size_t>(count - given));
        if (got == 0) {
            return given;
        }
        given += static_cast<std::streamsize>(got);
    }
    return given + std::streambuf::xsgetn(into + given, count - given);
}

DataFileBuffer::pos_type DataFileBuffer::seekoff(off_type offset, std::ios_base::seekdir from,
                                                 std::ios_base::openmode which) {
    const auto refused_seek = pos_type(off_type(-1));
    if ((which & std::ios_base::in) == 0 || from == std::ios_base::end) {
        return refused_seek;
    }
    // Where the reader stands: the bytes fetched so far less those still
    // waiting in the buffer.
    const auto here = static_cast<off_type>(next_ - start_) - (egptr() - gptr());
    const off_type target = from == std::ios_base::cur ? here + offset : offset;
    if (target < 0) {
        return refused_seek;
    }
    next_ = start_ + static_cast<std::uint64_t>(target);
    setg(nullptr, nullptr, nullptr);
    return {target};
}

DataFileBuffer::pos_type DataFileBuffer::seekpos(pos_type position, std::ios_base::openmode which) {
    return seekoff(off_type(position), std::ios_base::beg, which);
}

DataFileStream::DataFileStream(const Platform& platform, UniqueFile file, bool locked)
    : platform_(platform),
      file_(std::move(file)),
      locked_(locked),
      buffer_(platform, file_.get()),
      stream_(&buffer_) {}

Result<std::unique_ptr<DataFileStream>> DataFileStream::open(const std::filesystem::path& file,
                                                             const LockWait& wait,
                                                             const Platform& platform) {
    Result<LockedFile> locked = lock_file(file, LockMode::shared, wait, platform);
    if (!locked) {
        return locked.refusal();
    }
    if (!locked.value().file.valid()) {
        return refused(platform.describe(ENOENT));
    }
    return std::make_unique<DataFileStream>(platform, std::move(locked.value().file),
                                            locked.value().locked);
}

void DataFileStream::rewind() {
    buffer_.rewind();
    stream_.clear();
}

void DataFileStream::unlock() {
    if (locked_) {
        (void)platform_.unlock(file_.get());
    }
}

Result<> DataFileStream::lock_again(const LockWait& wait) {
    return locked_ ? ugraph::lock_again(file_.get(), LockMode::shared, wait, platform_)
                   : Result<>();
}

}  // namespace ugraph
