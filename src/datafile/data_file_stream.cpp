#include "datafile/data_file_stream.hpp"

#include <cstring>

#include "datafile/file_access.hpp"

namespace ugraph {

DataFileStream::DataFileStream(int fd) : buffer_(fd, std::ios::in), stream_(&buffer_) {}

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
