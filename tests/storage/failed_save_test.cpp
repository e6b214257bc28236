#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialogue/save_data_input.hpp"
#include "save_folder.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

ssize_t write_half_then_disk_full(int fd, const void* data, size_t size) {
    return size < 8 ? (errno = ENOSPC, -1) : ::write(fd, data, size / 2);
}
// Writes half of the new graph's text, then finds the disk full; every
// other text (a backup, the old content written back) goes through.
ssize_t write_new_graph_half_then_disk_full(int fd, const void* data, size_t size) {
    const std::string_view text(static_cast<const char*>(data), size);
    if (text == SAVED) {
        return ::write(fd, data, size / 2);
    }
    return SAVED.ends_with(text) ? (errno = ENOSPC, -1) : ::write(fd, data, size);
}
int fail_sync(int /*fd*/) { return errno = EIO, -1; }
int close_then_fail(int fd) { return ::close(fd), errno = EIO, -1; }
// Fails the rename onto the data file only; the backup's rename goes through.
int fail_rename_onto_data_file(const char* from, const char* to) {
    return std::string_view(to).ends_with(GRAPH_DATA_FILE) ? (errno = EXDEV, -1)
                                                           : ::rename(from, to);
}
int no_unnamed_files(const char* /*folder*/, mode_t /*mode*/) { return errno = EOPNOTSUPP, -1; }

// What the user is told after the graph of SAVED failed to save.
std::string told(const std::string& reason) {
    return SAVED + "\nError: cannot write file GraphDataFile2.txt (" + reason +
           "); it was left as it was\n";
}

TEST(FailedSave, KeepsTheOldFileByteForByteAndSaysWhy) {
    const std::string old = "[U \"old\", (1),2]\r\nfree text";
    struct Fault {
        FileSystemCalls calls;
        std::string reason;
        bool backup_made;  // the backup comes before the temporary file is closed
    };
    const Fault faults[] = {
        {with(&FileSystemCalls::write, write_half_then_disk_full), "No space left on device",
         false},
        {with(&FileSystemCalls::sync, fail_sync), "Input/output error", false},
        {with(&FileSystemCalls::close, close_then_fail), "Input/output error", true},
        {with(&FileSystemCalls::rename, fail_rename_onto_data_file), "Invalid cross-device link",
         true},
        {system_file_calls(), "Is a directory", false},  // the data file is a folder
    };
    // Each fault with the unnamed temporary file and with the named one.
    for (const bool unnamed : {true, false}) {
        for (Fault fault : faults) {
            if (!unnamed) {
                fault.calls.open_unnamed = no_unnamed_files;
            }
            const SaveFolder d;
            if (fault.reason == "Is a directory") {
                fs::create_directory(d.file);
            } else {
                d.lay(old);
            }
            const std::string before = found(d.file);
            EXPECT_EQ(d.save(fault.calls), told(fault.reason));
            EXPECT_EQ(found(d.file), before) << fault.reason;
            EXPECT_EQ(d.entries(), fault.backup_made ? 2 : 1)
                << "a file was left: " << fault.reason;
            if (fault.backup_made) {
                EXPECT_EQ(found(d.backup()), old);
            }
        }
    }
}

TEST(FailedSave, InPlaceRewriteWritesTheOldContentBackOnFailure) {
    const SaveFolder d;
    d.lay("[U \"old\", (1),2]");
    fs::create_hard_link(d.file, d.path / "second link");
    EXPECT_EQ(d.save(with(&FileSystemCalls::write, write_new_graph_half_then_disk_full)),
              told("No space left on device"));
    EXPECT_EQ(found(d.file), "[U \"old\", (1),2]");
    EXPECT_EQ(found(d.path / "second link"), "[U \"old\", (1),2]");
}

TEST(FailedSave, RefusesWithoutWritingWhenNoBackupCanBeMade) {
    const SaveFolder d;
    d.lay("old");
    fs::create_directory(d.backup());  // nothing can take the backup's name
    EXPECT_EQ(d.save(system_file_calls()),
              SAVED +
                  "\nError: cannot keep the previous content of GraphDataFile2.txt as "
                  "GraphDataFile2.txt.bak (Is a directory); GraphDataFile2.txt was left as it "
                  "was\n");
    EXPECT_EQ(found(d.file), "old");
    EXPECT_EQ(d.entries(), 2);
}

}  // namespace
}  // namespace ugraph
