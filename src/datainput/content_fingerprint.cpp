#include "datainput/content_fingerprint.hpp"

#include <exception>

namespace ugraph {
namespace {

constexpr std::size_t CHUNK = std::size_t{64} * 1024;
constexpr std::uint64_t FNV_PRIME = 0x100000001b3ULL;

}  // namespace

void Fingerprint::add(const char* bytes, std::size_t count) {
    std::uint64_t h = hash;
    for (std::size_t k = 0; k < count; ++k) {
        h = (h ^ static_cast<unsigned char>(bytes[k])) * FNV_PRIME;
    }
    hash = h;
    size += count;
}

FingerprintBuffer::FingerprintBuffer(std::streambuf& source) : source_(source), buffer_(CHUNK) {}

FingerprintBuffer::int_type FingerprintBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    std::streamsize got = 0;
    try {
        got = source_.sgetn(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
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
