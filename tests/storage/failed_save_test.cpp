#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialogue/save_data_input.hpp"
#include "save_folder.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

struct WriteHalfThenDiskFull : PassingPlatform {
    int write(FileHandle file, const char* data, std::size_t size,
              std::size_t& written) const override {
        return size < 8 ? ENOSPC : PassingPlatform::write(file, data, size / 2, written);
    }
};
// Writes half of the new graph's text, then finds the disk full; every
// other text (a backup, the old content written back) goes through.
struct WriteNewGraphHalfThenDiskFull : PassingPlatform {
    int write(FileHandle file, const char* data, std::size_t size,
              std::size_t& written) const override {
        const std::string_view text(data, size);
        if (text == SAVED) {
            return PassingPlatform::write(file, data, size / 2, written);
        }
        return SAVED.ends_with(text) ? ENOSPC : PassingPlatform::write(file, data, size, written);
    }
};
struct FailSync : PassingPlatform {
    int sync(FileHandle /*file*/) const override { return EIO; }
};
struct CloseThenFail : PassingPlatform {
    int close(FileHandle file) const override {
        (void)PassingPlatform::close(file);
        return EIO;
    }
};
// Fails the rename onto the data file only; the backup's rename goes through.
struct FailRenameOntoDataFile : PassingPlatform {
    int rename(const Path& from, const Path& to) const override {
        return to.filename() == GRAPH_DATA_FILE ? EXDEV : PassingPlatform::rename(from, to);
    }
};
struct FailSetMode : PassingPlatform {
    int set_mode(FileHandle /*file*/, std::uint32_t /*mode*/) const override { return EPERM; }
};
struct FailOpenRead : PassingPlatform {
    int open_read(const Path& /*path*/, FileHandle& /*file*/) const override { return EMFILE; }
};

// What the user is told after the graph of SAVED failed to save.
std::string told(const std::string& reason) {
    return SAVED + "\nError: cannot write file GraphDataFile2.txt (" + reason +
           "); it was left as it was\n";
}

TEST(FailedSave, KeepsTheOldFileByteForByteAndSaysWhy) {
    const std::string old = "[U \"old\", (1),2]\r\nfree text";
    WriteHalfThenDiskFull disk_full;
    FailSync no_sync;
    CloseThenFail bad_close;
    FailRenameOntoDataFile bad_rename;
    FailSetMode no_mode;
    FailOpenRead no_open;
    PassingPlatform plain;
    struct Fault {
        PassingPlatform& platform;
        std::string reason;
    };
    const Fault faults[] = {
        {disk_full, "No space left on device"},
        {no_sync, "Input/output error"},
        {bad_close, "Input/output error"},          // after the backup was put in place
        {bad_rename, "Invalid cross-device link"},  // the same
        {no_mode, "Operation not permitted"},
        {no_open, "Too many open files"},  // the old file cannot be opened
        {plain, "Is a directory"},         // the data file is a folder
    };
    // Each fault with the unnamed temporary file and with the named one, and
    // with an older backup or none: the older backup is put back, or no
    // backup is left where there was none.
    for (const bool unnamed : {true, false}) {
        for (const bool older_backup : {false, true}) {
            for (const Fault& fault : faults) {
                fault.platform.unnamed_files = unnamed;
                const SaveFolder d;
                if (fault.reason == "Is a directory") {
                    fs::create_directory(d.file);
                } else {
                    d.lay(old);
                }
                if (older_backup) {
                    std::ofstream(d.backup()) << "older";
                }
                const std::string before = found(d.file);
                EXPECT_EQ(d.save(fault.platform), told(fault.reason));
                EXPECT_EQ(found(d.file), before) << fault.reason;
                EXPECT_EQ(d.entries(), older_backup ? 2 : 1) << "a file was left: " << fault.reason;
                if (older_backup) {
                    EXPECT_EQ(found(d.backup()), "older") << fault.reason;
                }
            }
        }
    }
}

// Fails the first seek, the one before the rewrite in place starts: the
// file must still hold its old content, whatever is done to put it back.
struct FailFirstSeek : PassingPlatform {
    mutable int seeks = 0;
    int seek(FileHandle file, std::uint64_t offset) const override {
        return ++seeks == 1 ? ESPIPE : PassingPlatform::seek(file, offset);
    }
};

TEST(FailedSave, InPlaceRewriteWritesTheOldContentBackOnFailure) {
    for (const bool cut_first : {false, true}) {
        const SaveFolder d;
        d.lay("[U \"old\", (1),2]");
        fs::create_hard_link(d.file, d.path / "second link");
        if (cut_first) {
            EXPECT_EQ(d.save(FailFirstSeek()), told("Illegal seek"));
        } else {
            EXPECT_EQ(d.save(WriteNewGraphHalfThenDiskFull()), told("No space left on device"));
        }
        EXPECT_EQ(found(d.file), "[U \"old\", (1),2]");
        EXPECT_EQ(found(d.path / "second link"), "[U \"old\", (1),2]");
    }
}

TEST(FailedSave, RefusesWithoutWritingWhenNoBackupCanBeMade) {
    const SaveFolder d;
    d.lay("old");
    fs::create_directory(d.backup());  // nothing can take the backup's name
    const std::string refused =
        SAVED +
        "\nError: cannot keep the previous content of GraphDataFile2.txt as "
        "GraphDataFile2.txt.bak (Is a directory); GraphDataFile2.txt was left as it was\n";
    EXPECT_EQ(d.save(system_platform()), refused);
    EXPECT_EQ(found(d.file), "old");
    EXPECT_EQ(d.entries(), 2);

    // Only the folder's own refusal of the backup excuses going on without
    // one; where it refuses new files, the backup's folder is still refused.
    EXPECT_EQ(d.save(FolderRefusesNewFiles()), refused);
    EXPECT_EQ(found(d.file), "old");
    EXPECT_EQ(d.entries(), 2);
}

}  // namespace
}  // namespace ugraph
