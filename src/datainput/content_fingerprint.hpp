#pragma once
// The fingerprint of a data file's content: its size in bytes and a hash of
// every byte, what follows a Ctrl-Z included. An edit takes it when it loads
// the file and compares it when it saves, in the same run, so that a change
// made meanwhile by another program is seen rather than overwritten. It is
// never stored: the standard library's string hash, which is fast but may
// differ between builds, serves, taken over blocks of FINGERPRINT_BLOCK bytes
// so that the same content gives the same fingerprint however it is read.
//
//   FingerprintBuffer  a stream buffer that reads another one through,
//                      a block at a time, and fingerprints every byte it
//                      passes on; drain() reads the rest and gives the whole
//                      fingerprint (failed() tells a failed read).
//   fingerprint_of     the fingerprint of a stream read to its end; refused
//                      when a read fails.
//   changed_meanwhile  the words for a content that is no longer the one loaded.
#include <cstdint>
#include <istream>
#include <streambuf>
#include <vector>

#include "common/result.hpp"

namespace ugraph {

inline constexpr std::size_t FINGERPRINT_BLOCK = std::size_t{64} * 1024;

struct Fingerprint {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
    // One block: FINGERPRINT_BLOCK bytes, fewer only at the content's end.
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
