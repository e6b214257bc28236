#include "storage/data_file_stream.hpp"

#include <ios>
#include <utility>

#include "storage/file_access.hpp"

namespace ugraph {

// As much as a reader takes at a time; a longer file streams through it.
constexpr std::size_t BUFFER_BYTES = std::size_t{64} * 1024;

DataFileBuffer::DataFileBuffer(const Platform& platform, UniqueFile file)
    : platform_(platform), file_(std::move(file)), buffer_(BUFFER_BYTES) {}

void DataFileBuffer::rewind() {
    next_ = 0;
    setg(nullptr, nullptr, nullptr);
}

DataFileBuffer::int_type DataFileBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    std::size_t got = 0;
    if (const int error =
            platform_.read_at(file_.get(), next_, buffer_.data(), buffer_.size(), got);
        error != 0) {
        // The stream catches it and turns bad, as on any failed read.
        throw std::ios_base::failure(platform_.describe(error));
    }
    if (got == 0) {
        return traits_type::eof();
    }
    next_ += got;
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
}

DataFileStream::DataFileStream(const Platform& platform, UniqueFile file)
    : buffer_(platform, std::move(file)), stream_(&buffer_) {}

Result<std::unique_ptr<DataFileStream>> DataFileStream::open(const std::filesystem::path& file,
                                                             const Platform& platform) {
    Result<UniqueFile> opened = open_data_file(file, platform);
    if (!opened) {
        return opened.refusal();
    }
    return std::make_unique<DataFileStream>(platform, std::move(opened.value()));
}

void DataFileStream::rewind() {
    buffer_.rewind();
    stream_.clear();
}

}  // namespace ugraph
