// The data file's lock on Windows, between handles as between programs: the
// system tracks byte-range locks per handle even within one process.
#include "storage/windows/byte_range_lock.hpp"

#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include "storage/save_folder.hpp"

namespace ugraph {
namespace {
using std::chrono::milliseconds;

// A handle of its own on the file, open for reading only, as storage opens
// the data file.
class Reader {
public:
    explicit Reader(const std::filesystem::path& file)
        : handle_(CreateFileW(file.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr)) {}
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader() { close(); }
    FileHandle get() const { return reinterpret_cast<FileHandle>(handle_); }
    void close() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }
    std::string content() const {
        char bytes[64] = {};
        DWORD got = 0;
        OVERLAPPED start{};
        ReadFile(handle_, bytes, sizeof bytes, &got, &start);
        return {bytes, got};
    }

private:
    HANDLE handle_;
};

TEST(ByteRangeLock, SharedByReadersExclusiveByOneAndReleasedByUnlockOrClose) {
    const SaveFolder d;
    d.lay("[U \"g\", (1),2]");
    Reader first(d.file);
    Reader second(d.file);
    Reader third(d.file);
    EXPECT_EQ(lock_byte_range(first.get(), false, milliseconds(0)), 0);
    EXPECT_EQ(lock_byte_range(second.get(), false, milliseconds(0)), 0);
    EXPECT_EQ(lock_byte_range(third.get(), true, milliseconds(0)), EWOULDBLOCK);
    EXPECT_EQ(unlock_byte_range(first.get()), 0);
    second.close();
    EXPECT_EQ(lock_byte_range(third.get(), true, milliseconds(0)), 0);
    // Held exclusive, it stops other locks, never a read or a write of the data.
    Reader fourth(d.file);
    EXPECT_EQ(lock_byte_range(fourth.get(), false, milliseconds(0)), EWOULDBLOCK);
    EXPECT_EQ(fourth.content(), "[U \"g\", (1),2]");
    std::ofstream appending(d.file, std::ios::app);
    appending << "\n";
    appending.flush();
    EXPECT_TRUE(appending.good());
}

TEST(ByteRangeLock, WaitsForAHolderThatLetsGoWithinThePatience) {
    const SaveFolder d;
    d.lay("data");
    Reader holder(d.file);
    Reader waiter(d.file);
    ASSERT_EQ(lock_byte_range(holder.get(), true, milliseconds(0)), 0);
    std::thread letting_go([&] {
        std::this_thread::sleep_for(milliseconds(100));
        holder.close();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(lock_byte_range(waiter.get(), true, milliseconds(5000)), 0);
    letting_go.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(90));
    // And gives up once the patience has run out.
    Reader late(d.file);
    EXPECT_EQ(lock_byte_range(late.get(), false, milliseconds(50)), EWOULDBLOCK);
}

}  // namespace
}  // namespace ugraph
