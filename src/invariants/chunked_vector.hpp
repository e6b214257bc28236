#pragma once
// ChunkedVector: a growing array kept in fixed chunks of 2^16 elements, for
// tables of hundreds of thousands of small records that grow one at a time.
//
// push_back() never moves what is stored, so growing touches each page
// once, where a vector's doublings copy everything and fault in twice the
// memory; operator[] is a shift and a mask away from a vector's.
#include <cstddef>
#include <memory>
#include <vector>

namespace ugraph {

template <typename T>
class ChunkedVector {
public:
    void push_back(const T& value) {
        if (size_ % CHUNK == 0)
            chunks_.push_back(std::make_unique<T[]>(CHUNK));  // NOLINT(modernize-avoid-c-arrays)
        chunks_.back()[size_ % CHUNK] = value;
        ++size_;
    }
    T& operator[](std::size_t i) { return chunks_[i / CHUNK][i % CHUNK]; }
    const T& operator[](std::size_t i) const { return chunks_[i / CHUNK][i % CHUNK]; }
    std::size_t size() const { return size_; }

private:
    static constexpr std::size_t CHUNK = std::size_t{1} << 16;
    std::vector<std::unique_ptr<T[]>> chunks_;  // NOLINT(modernize-avoid-c-arrays)
    std::size_t size_ = 0;
};

}  // namespace ugraph
