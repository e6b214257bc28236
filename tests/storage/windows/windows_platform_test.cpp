// The Windows side of the platform, on what Windows adds to a save: a file
// that another program holds open or marks read-only (and, injected, the
// refusals Wine does not make), a device name, a data file held open (and
// locked) while it is replaced, names the ANSI code page cannot spell, a path
// relative to a drive, and Ctrl-C during a save. (Wine lets root write a
// read-only file, so that refusal rests on the attribute itself.)
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "common/path_text.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/file_access.hpp"
#include "storage/file_replace.hpp"
#include "storage/save_folder.hpp"
#include "storage/windows/console_events.hpp"
#include "storage/windows/win32_values.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

// A handle on a file as another program would hold it.
class Held {
public:
    Held(const fs::path& file, DWORD access, DWORD share)
        : handle_(CreateFileW(file.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() { CloseHandle(handle_); }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Replaces the file's content with a backup: "replaced", or the reason why not.
std::string refusal_of(const fs::path& file, const std::string& text = SAVED) {
    const Result<ReplaceReport> replaced =
        replace_file_contents(file, text, {.keep_backup = true}, system_platform());
    return replaced ? "replaced" : replaced.reason();
}

TEST(WindowsSave, RefusesAFileAnotherProgramHoldsOrMarksReadOnlyAndKeepsIt) {
    const std::string refused = SAVED + "\nError: cannot write file GraphDataFile2.txt (";
    const std::string kept = "); it was left as it was\n";
    {
        const SaveFolder d;
        d.lay("old");
        const Held other(d.file, GENERIC_READ, FILE_SHARE_READ);  // no one else may write
        EXPECT_EQ(d.save(), refused + "Open in another program" + kept);
        EXPECT_EQ(found(d.file), "old");
        EXPECT_EQ(d.entries(), 1);
    }
    {
        const SaveFolder d;
        d.lay("old");
        ASSERT_NE(SetFileAttributesW(d.file.c_str(), FILE_ATTRIBUTE_READONLY), 0);
        EXPECT_EQ(d.save(), refused + "Permission denied" + kept);
        SetFileAttributesW(d.file.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(found(d.file), "old");
        EXPECT_EQ(d.entries(), 1);
    }
}

// Windows refuses what Wine lets through: a replacement of a file another
// program holds, or one closed to the user. Each Windows error is injected
// where the save puts its text in place, or where it writes the text.
struct WindowsRefuses : PassingPlatform {
    DWORD error = ERROR_SUCCESS;
    bool at_rename = true;
    int rename(const Path& from, const Path& to) const override {
        return at_rename && to.filename() == GRAPH_DATA_FILE ? error_number(error)
                                                             : PassingPlatform::rename(from, to);
    }
    int write(FileHandle file, const char* data, std::size_t size,
              std::size_t& written) const override {
        return !at_rename && std::string_view(data, size) == SAVED
                   ? error_number(error)
                   : PassingPlatform::write(file, data, size, written);
    }
};

TEST(WindowsSave, SaysWhatWindowsRefusedAndLeavesTheFileAndItsBackup) {
    const struct {
        DWORD error;
        std::string reason;
    } refusals[] = {
        {ERROR_SHARING_VIOLATION, "Open in another program"},
        {ERROR_LOCK_VIOLATION, "Open in another program"},
        {ERROR_UNABLE_TO_REMOVE_REPLACED, "Open in another program"},
        {ERROR_ACCESS_DENIED, "Permission denied"},
        {ERROR_DISK_FULL, "No space left on device"},
        {ERROR_WRITE_PROTECT, "Read-only file system"},
    };
    for (const bool at_rename : {true, false}) {
        for (const auto& refusal : refusals) {
            WindowsRefuses windows;
            windows.error = refusal.error;
            windows.at_rename = at_rename;
            const SaveFolder d;
            d.lay("old");
            std::ofstream(d.backup(), std::ios::binary) << "older";
            EXPECT_EQ(d.save(windows), SAVED + "\nError: cannot write file GraphDataFile2.txt (" +
                                           refusal.reason + "); it was left as it was\n");
            EXPECT_EQ(found(d.file), "old") << refusal.reason;
            EXPECT_EQ(found(d.backup()), "older") << refusal.reason;
            EXPECT_EQ(d.entries(), 2) << "a file was left: " << refusal.reason;
        }
    }
}

TEST(WindowsSave, ReplacesAFileHeldOpenByItselfAndAnotherAndAReadOnlyBackup) {
    const SaveFolder d;
    d.lay("old");
    std::ofstream(d.backup(), std::ios::binary) << "older";
    ASSERT_NE(SetFileAttributesW(d.backup().c_str(), FILE_ATTRIBUTE_READONLY), 0);
    {
        // The save holds the file open and locked itself; another program
        // holds it open too, letting others read, write and rename it.
        const Held other(d.file, GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        EXPECT_EQ(d.save(), "saved");
        EXPECT_EQ(found(d.file), SAVED);
        EXPECT_EQ(found(d.backup()), "old");
    }
    // The replaced file goes once its last handle is closed.
    EXPECT_EQ(d.entries(), 2);
}

TEST(WindowsSave, RefusesDeviceNamesInTheirOwnWords) {
    const SaveFolder d;
    const std::string reason = "A device name reserved by Windows";
    for (const char* name : {"NUL", "con.txt", "Com1", "LPT9.graphs.txt", "aux /x.txt"}) {
        const fs::path file = d.path / name;
        EXPECT_EQ(refusal_of(file), reason) << name;
        EXPECT_EQ(DataFileStream::open(file, {}, system_platform()).reason(), reason) << name;
    }
    EXPECT_EQ(d.entries(), 0);
}

TEST(WindowsSave, SavesWhereTheAnsiCodePageCannotSpellTheNames) {
    const SaveFolder d;
    const fs::path folder = d.path / path_from_utf8("Γράφοι ñ");
    fs::create_directory(folder);
    const fs::path file = folder / path_from_utf8("Γράφος.txt");
    EXPECT_EQ(refusal_of(file, "first"), "replaced");
    EXPECT_EQ(refusal_of(file, SAVED), "replaced");
    EXPECT_EQ(found(file), SAVED);
    EXPECT_EQ(found(fs::path(file) += ".bak"), "first");
    // Built through the ANSI code page, the name would be another one.
    EXPECT_FALSE(fs::exists(folder / std::string("Γράφος.txt")));
}

TEST(WindowsSave, KeepsTheDriveOfAPathRelativeToADrivesCurrentFolder) {
    const SaveFolder d;
    d.lay("old");
    // C:GraphDataFile2.txt: the file in the current folder of drive C:.
    const fs::path on_drive = d.path.root_name() / fs::path("GraphDataFile2.txt");
    const fs::path here = fs::current_path();
    fs::current_path(d.path);
    EXPECT_EQ(follow_links_safely(on_drive, system_platform()).target, on_drive);
    EXPECT_EQ(refusal_of(on_drive), "replaced");
    fs::current_path(here);
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(found(d.backup()), "old");
}

TEST(WindowsSave, CtrlCWaitsUntilEveryHoldOfTheSaveIsGone) {
    std::unique_ptr<SignalsHeld> outer = system_platform().hold_ending_signals();
    std::unique_ptr<SignalsHeld> inner = system_platform().hold_ending_signals();
    std::atomic<bool> gave_way = false;
    // As the console calls the handler: on a thread of its own.
    std::thread handler([&] {
        wait_for_no_hold();
        gave_way = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(gave_way);
    inner.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(gave_way) << "the outer hold still lives";
    outer.reset();
    handler.join();
    EXPECT_TRUE(gave_way);
}

}  // namespace
}  // namespace ugraph
