#include "storage/file_lock.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "save_folder.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/file_io.hpp"
#include "storage/file_replace.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;
using std::chrono::milliseconds;

// Another program holds every file for the first `busy` calls of lock; the
// patience of each call is noted. No lock is taken on the system.
struct HeldElsewhere : PassingPlatform {
    explicit HeldElsewhere(int calls) : busy(calls) {}
    int busy;
    mutable std::vector<milliseconds> patience;
    int lock(FileHandle /*file*/, LockMode /*mode*/, milliseconds wait) const override {
        patience.push_back(wait);
        return static_cast<int>(patience.size()) <= busy ? EWOULDBLOCK : 0;
    }
};

struct Told {
    int times = 0;
    LockWait wait(milliseconds patience = milliseconds(200)) {
        return {[this] { ++times; }, patience};
    }
};

TEST(FileLock, WaitsOnceSaysSoOnceAndGivesUpAfterItsPatience) {
    const SaveFolder d;
    d.lay("old");
    for (const LockMode mode : {LockMode::shared, LockMode::exclusive}) {
        const HeldElsewhere forever(1000);
        Told told;
        const Result<LockedFile> locked = lock_file(d.file, mode, told.wait(), forever);
        ASSERT_FALSE(locked);
        EXPECT_EQ(locked.refusal().kind, Refusal::Kind::busy);
        EXPECT_EQ(locked.reason(), in_use_reason());
        EXPECT_EQ(told.times, 1);
        // One try, then one wait for what is left of the patience.
        ASSERT_EQ(forever.patience.size(), 2U);
        EXPECT_EQ(forever.patience[0], milliseconds(0));
        EXPECT_GT(forever.patience[1], milliseconds(150));
        EXPECT_LE(forever.patience[1], milliseconds(200));
    }
    // The holder goes while it waits: the lock is taken, the wait told once.
    const HeldElsewhere briefly(1);
    Told told;
    const Result<LockedFile> locked = lock_file(d.file, LockMode::exclusive, told.wait(), briefly);
    ASSERT_TRUE(locked);
    EXPECT_TRUE(locked.value().locked);
    EXPECT_EQ(told.times, 1);
    // Never held: nothing is told.
    const HeldElsewhere free(0);
    Told quiet;
    EXPECT_TRUE(lock_file(d.file, LockMode::exclusive, quiet.wait(), free));
    EXPECT_EQ(quiet.times, 0);
}

TEST(FileLock, EveryReaderAndWriterGivesUpWithNothingWritten) {
    const SaveFolder d;
    d.lay("old");
    const HeldElsewhere forever(1000);
    Told told;
    const Result<std::unique_ptr<DataFileStream>> read =
        DataFileStream::open(d.file, told.wait(milliseconds(20)), forever);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.refusal().kind, Refusal::Kind::busy);
    const Result<ReplaceReport> written = replace_file_contents(
        d.file, "new",
        {.keep_backup = true, .waiting = [&] { ++told.times; }, .patience = milliseconds(20)},
        forever);
    ASSERT_FALSE(written);
    EXPECT_EQ(replace_failure("F", written.refusal()),
              "F is still in use by another program after 10 seconds; it was left as it was");
    EXPECT_EQ(told.times, 2);
    EXPECT_EQ(found(d.file), "old");
    EXPECT_EQ(d.entries(), 1);
}

// While the lock is awaited, another program replaces the file by a rename:
// the lock must end on the file now at the name.
struct ReplacedWhileWaiting : PassingPlatform {
    explicit ReplacedWhileWaiting(fs::path at) : file(std::move(at)) {}
    fs::path file;
    mutable int calls = 0;
    int lock(FileHandle handle, LockMode mode, milliseconds patience) const override {
        if (++calls == 1) {
            std::ofstream(file.string() + ".new") << "new";
            fs::rename(file.string() + ".new", file);
        }
        return PassingPlatform::lock(handle, mode, patience);
    }
};

TEST(FileLock, EndsOnTheFileARenamePutAtTheName) {
    const SaveFolder d;
    d.lay("old");
    const ReplacedWhileWaiting platform(d.file);
    Told told;
    Result<LockedFile> locked = lock_file(d.file, LockMode::shared, told.wait(), platform);
    ASSERT_TRUE(locked);
    std::string content;
    EXPECT_EQ(read_all(platform, locked.value().file.get(), content), 0);
    EXPECT_EQ(content, "new");
    EXPECT_EQ(platform.calls, 2);
}

struct NoLocks : PassingPlatform {
    int lock(FileHandle /*file*/, LockMode /*mode*/, milliseconds /*patience*/) const override {
        return ENOLCK;
    }
};

TEST(FileLock, AMissingFileOrOneWithoutLocksIsNoRefusal) {
    const SaveFolder d;
    Told told;
    const Result<LockedFile> missing =
        lock_file(d.file, LockMode::exclusive, told.wait(), system_platform());
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing.value().file.valid());
    // Where the file system has no locks, storage works as it did without.
    d.lay("old");
    const NoLocks no_locks;
    const Result<LockedFile> unlocked =
        lock_file(d.file, LockMode::exclusive, told.wait(), no_locks);
    ASSERT_TRUE(unlocked);
    EXPECT_FALSE(unlocked.value().locked);
    EXPECT_EQ(d.save(no_locks), "saved");
    EXPECT_EQ(found(d.backup()), "old");
    EXPECT_EQ(told.times, 0);
}

// The system's side of the contract: a lock belongs to the handle, a handle
// open for reading takes an exclusive one, the patience is waited.
TEST(FileLock, TheSystemsLocksBelongToTheHandle) {
    const SaveFolder d;
    d.lay("old");
    const Platform& system = system_platform();
    FileHandle first = NO_FILE;
    FileHandle second = NO_FILE;
    ASSERT_EQ(system.open_read(d.file, first), 0);
    ASSERT_EQ(system.open_read(d.file, second), 0);
    const UniqueFile keep_first(system, first);
    UniqueFile keep_second(system, second);
    EXPECT_EQ(system.lock(first, LockMode::shared, milliseconds(0)), 0);
    EXPECT_EQ(system.lock(second, LockMode::shared, milliseconds(0)), 0);
    EXPECT_EQ(system.unlock(second), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(system.lock(second, LockMode::exclusive, milliseconds(60)), EWOULDBLOCK);
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(60));
    EXPECT_EQ(system.unlock(first), 0);
    EXPECT_EQ(system.lock(second, LockMode::exclusive, milliseconds(0)), 0);
    EXPECT_EQ(system.lock(first, LockMode::shared, milliseconds(0)), EWOULDBLOCK);
    keep_second.reset();  // closing the handle lets the lock go
    EXPECT_EQ(system.lock(first, LockMode::shared, milliseconds(0)), 0);
}

TEST(FileLock, TheStreamLetsWritersInWhileUnlockedAndTakesTheLockBack) {
    const SaveFolder d;
    d.lay("old");
    Told told;
    Result<std::unique_ptr<DataFileStream>> data =
        DataFileStream::open(d.file, told.wait(), system_platform());
    ASSERT_TRUE(data);
    const Result<ReplaceReport> blocked = replace_file_contents(
        d.file, "new", {.keep_backup = false, .waiting = {}, .patience = milliseconds(20)},
        system_platform());
    ASSERT_FALSE(blocked);
    EXPECT_EQ(blocked.refusal().kind, Refusal::Kind::busy);

    data.value()->unlock();
    Result<LockedFile> writer =
        lock_file(d.file, LockMode::exclusive, told.wait(), system_platform());
    ASSERT_TRUE(writer);
    EXPECT_EQ(told.times, 0);
    const Result<> again = data.value()->lock_again(told.wait(milliseconds(20)));
    ASSERT_FALSE(again);
    EXPECT_EQ(again.refusal().kind, Refusal::Kind::busy);
    EXPECT_EQ(told.times, 1);
    writer.value().file.reset();
    EXPECT_TRUE(data.value()->lock_again(told.wait()));
}

}  // namespace
}  // namespace ugraph
