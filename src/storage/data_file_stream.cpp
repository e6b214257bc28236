#include "storage/data_file_stream.hpp"

#include <cstring>

#include "storage/file_access.hpp"

namespace ugraph {

DataFileStream::DataFileStream(int fd) : buffer_(fd, std::ios::in), stream_(&buffer_) {}

Result<std::unique_ptr<DataFileStream>> DataFileStream::open(const std::filesystem::path& file) {
    const ResolvedPath resolved = follow_links_safely(file);
    if (resolved.link_refused) {
        return refused(LINK_REFUSED_REASON, Refusal::Kind::link);
    }
    if (resolved.error != 0) {
        return refused(std::strerror(resolved.error));
    }
    std::string why;
    UniqueFd fd = open_regular_file(resolved.target, why);
    if (!fd.valid()) {
        return refused(why);
    }
    return std::make_unique<DataFileStream>(fd.release());
}

void DataFileStream::rewind() {
    stream_.clear();
    stream_.seekg(0);
}

}  // namespace ugraph
