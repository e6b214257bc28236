#include "datafile/data_file_stream.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ios>
#include <system_error>

#include "datafile/file_access.hpp"

namespace ugraph {

FdReadBuffer::int_type FdReadBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    ssize_t got = 0;
    do {
        got = ::read(fd_.get(), block_.data(), block_.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        // The stream turns this into its bad state, so that a failed read is
        // never taken for the end of the file.
        throw std::ios_base::failure("cannot read the data file",
                                     std::error_code(errno, std::system_category()));
    }
    if (got == 0) {
        return traits_type::eof();
    }
    setg(block_.data(), block_.data(), block_.data() + got);
    return traits_type::to_int_type(*gptr());
}

FdReadBuffer::pos_type FdReadBuffer::seekoff(off_type offset, std::ios_base::seekdir from,
                                             std::ios_base::openmode which) {
    if ((which & std::ios_base::in) == 0) {
        return {off_type{-1}};
    }
    int whence = SEEK_SET;
    if (from == std::ios_base::cur) {
        // The descriptor is ahead of the reader by what is still buffered.
        whence = SEEK_CUR;
        offset -= egptr() - gptr();
    } else if (from == std::ios_base::end) {
        whence = SEEK_END;
    }
    const off_t at = ::lseek(fd_.get(), static_cast<off_t>(offset), whence);
    if (at < 0) {
        return {off_type{-1}};
    }
    // Nothing buffered: the next read starts where the descriptor now is.
    setg(block_.data(), block_.data(), block_.data());
    return {static_cast<off_type>(at)};
}

FdReadBuffer::pos_type FdReadBuffer::seekpos(pos_type position, std::ios_base::openmode which) {
    return seekoff(off_type(position), std::ios_base::beg, which);
}

DataFileStream::DataFileStream(int fd) : buffer_(fd), stream_(&buffer_) {}

std::unique_ptr<DataFileStream> DataFileStream::open(const std::filesystem::path& file,
                                                     std::string& why) {
    const ResolvedPath resolved = follow_links_safely(file);
    if (resolved.link_refused) {
        why = LINK_REFUSED_REASON;
        return nullptr;
    }
    if (resolved.error != 0) {
        why = std::strerror(resolved.error);
        return nullptr;
    }
    UniqueFd fd = open_regular_file(resolved.target, why);
    if (!fd.valid()) {
        return nullptr;
    }
    return std::make_unique<DataFileStream>(fd.release());
}

void DataFileStream::rewind() {
    stream_.clear();
    stream_.seekg(0);
}

}  // namespace ugraph
