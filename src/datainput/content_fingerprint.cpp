#include "datainput/content_fingerprint.hpp"

#include <exception>
#include <functional>
#include <string_view>

namespace ugraph {
namespace {

// The blocks' hashes are chained, each multiplied in before the next is
// added, so that their order counts.
constexpr std::uint64_t CHAIN = 0x100000001b3ULL;

}  // namespace

void Fingerprint::add(const char* bytes, std::size_t count) {
    hash = (hash * CHAIN) ^ std::hash<std::string_view>{}(std::string_view(bytes, count));
    size += count;
}

FingerprintBuffer::FingerprintBuffer(std::streambuf& source)
    : source_(source), buffer_(FINGERPRINT_BLOCK) {}

FingerprintBuffer::int_type FingerprintBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    // A whole block, however little each read of the source gives.
    std::streamsize got = 0;
    const auto block = static_cast<std::streamsize>(buffer_.size());
    try {
        for (std::streamsize more = 1; got < block && more > 0; got += more) {
            more = source_.sgetn(buffer_.data() + got, block - got);
        }
    } catch (const std::exception&) {
        // A stream buffer tells a failed read by throwing, as the
        // storage's own buffer does; it ends the content here, marked failed.
        failed_ = true;
    }
    if (got <= 0) {
        return traits_type::eof();
    }
    seen_.add(buffer_.data(), static_cast<std::size_t>(got));
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(buffer_[0]);
}

Fingerprint FingerprintBuffer::drain() {
    setg(buffer_.data(), buffer_.data(), buffer_.data());
    while (underflow() != traits_type::eof()) {
        setg(buffer_.data(), egptr(), egptr());
    }
    return seen_;
}

Result<Fingerprint> fingerprint_of(std::istream& in) {
    FingerprintBuffer buffer(*in.rdbuf());
    const Fingerprint whole = buffer.drain();
    if (buffer.failed()) {
        return refused("the data file could not be read to its end");
    }
    return whole;
}

}  // namespace ugraph
