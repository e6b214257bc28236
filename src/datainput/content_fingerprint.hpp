#pragma once
// The fingerprint of a data file's content: its size in bytes and a 64-bit
// FNV-1a hash of every byte, what follows a Ctrl-Z included. An edit takes it
// when it loads the file and compares it when it saves, so that a change made
// meanwhile by another program is seen rather than overwritten.
//
//   FingerprintBuffer  a stream buffer that reads another one through,
//                      a buffer at a time, and fingerprints every byte it
//                      passes on; drain() reads the rest and gives the whole
//                      fingerprint (read() tells a failed read).
//   fingerprint_of     the fingerprint of a stream read to its end; refused
//                      when a read fails.
//   changed_meanwhile  the words for a content that is no longer the one loaded.
#include <cstdint>
#include <istream>
#include <streambuf>
#include <vector>

#include "common/result.hpp"

namespace ugraph {

struct Fingerprint {
    std::uint64_t size = 0;
    std::uint64_t hash = 0xcbf29ce484222325ULL;  // FNV-1a's offset basis: no byte yet
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
    void add(const char* bytes, std::size_t count);
};

class FingerprintBuffer : public std::streambuf {
public:
    explicit FingerprintBuffer(std::streambuf& source);
    // Reads the source to its end and gives the fingerprint of all it held.
    Fingerprint drain();
    bool failed() const { return failed_; }

protected:
    int_type underflow() override;

private:
    std::streambuf& source_;
    std::vector<char> buffer_;
    Fingerprint seen_;
    bool failed_ = false;
};

Result<Fingerprint> fingerprint_of(std::istream& in);

inline constexpr const char* CHANGED_MEANWHILE =
    "another program changed the data file after it was loaded";

}  // namespace ugraph
