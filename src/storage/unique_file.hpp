#pragma once
// UniqueFile: owns one open file of a platform and closes it when it goes;
// a close that must be checked is made through release().
#include <utility>

#include "storage/platform.hpp"

namespace ugraph {

class UniqueFile {
public:
    UniqueFile() = default;
    UniqueFile(const Platform& platform, FileHandle file) : platform_(&platform), file_(file) {}
    UniqueFile(UniqueFile&& other) noexcept
        : platform_(other.platform_), file_(std::exchange(other.file_, NO_FILE)) {}
    UniqueFile& operator=(UniqueFile&& other) noexcept {
        reset();
        platform_ = other.platform_;
        file_ = std::exchange(other.file_, NO_FILE);
        return *this;
    }
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;
    ~UniqueFile() { reset(); }

    FileHandle get() const { return file_; }
    bool valid() const { return file_ != NO_FILE; }
    // Gives up ownership without closing.
    FileHandle release() { return std::exchange(file_, NO_FILE); }
    void reset() {
        if (valid()) {
            (void)platform_->close(std::exchange(file_, NO_FILE));
        }
    }

private:
    const Platform* platform_ = nullptr;
    FileHandle file_ = NO_FILE;
};

}  // namespace ugraph
