#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "save_folder.hpp"
#include "storage/append_data_inputs.hpp"
#include "storage/file_replace.hpp"
#include "storage/hidden_names.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

// Hidden names of ugraph's, as a killed save leaves them.
const std::string BACKUP_ON_ITS_WAY = fresh_hidden_name("GraphDataFile2.txt.bak");
const std::string TEXT_ON_ITS_WAY = fresh_hidden_name("GraphDataFile2.txt");

// What a kill between the backup and the rename leaves: the backup a second
// link of the data file, a hidden link of the backup on its way, a hidden
// temporary file of the text. Names that only look alike stay, those in
// the shape of an older ugraph's hidden names too, which a user may have
// chosen.
void lay_kill_state(const SaveFolder& d) {
    fs::remove(d.backup());
    fs::create_hard_link(d.file, d.backup());
    fs::create_hard_link(d.file, d.path / BACKUP_ON_ITS_WAY);
    std::ofstream(d.path / TEXT_ON_ITS_WAY) << "[U \"ne";
    std::ofstream(d.path / ".GraphDataFile2.txt.mine") << "kept";
    std::ofstream(d.path / ".other.txt.abcdef") << "kept";
}

TEST(InterruptedSave, TheNextSaveClearsWhatAKillLeftAndKeepsTheOldContent) {
    for (const bool second_link : {false, true}) {
        const SaveFolder d;
        d.lay("old");
        if (second_link) {
            fs::create_hard_link(d.file, d.path / "second link");
        }
        lay_kill_state(d);
        const std::uint64_t inode = inode_of(d.file);
        EXPECT_EQ(d.save(), "saved");
        EXPECT_EQ(found(d.file), SAVED);
        EXPECT_EQ(found(d.backup()), "old");
        EXPECT_NE(inode_of(d.backup()), inode_of(d.file));
        // Renamed, unless a second link of the user's asks for the rewrite.
        EXPECT_EQ(inode_of(d.file) == inode, second_link);
        EXPECT_FALSE(fs::exists(d.path / BACKUP_ON_ITS_WAY));
        EXPECT_FALSE(fs::exists(d.path / TEXT_ON_ITS_WAY));
        EXPECT_TRUE(fs::exists(d.path / ".GraphDataFile2.txt.mine"));
        EXPECT_TRUE(fs::exists(d.path / ".other.txt.abcdef"));
        EXPECT_EQ(d.entries(), second_link ? 5 : 4);
    }
}

TEST(InterruptedSave, ABackupIsNeverWrittenThrough) {
    // By a rename, by a rewrite in place, and in a folder that takes no new
    // file: the file the backup's name links to keeps its bytes.
    for (const int way : {0, 1, 2}) {
        const SaveFolder d;
        d.lay("old");
        if (way == 1) {
            fs::create_hard_link(d.file, d.path / "second link");
        }
        std::ofstream(d.path / "precious") << "precious";
        fs::create_hard_link(d.path / "precious", d.backup());
        if (way == 2) {
            EXPECT_NE(d.save(FolderRefusesNewFiles()).find("Note: "), std::string::npos);
        } else {
            EXPECT_EQ(d.save(), "saved");
            EXPECT_EQ(found(d.backup()), "old");
        }
        EXPECT_EQ(found(d.file), SAVED);
        EXPECT_EQ(found(d.path / "precious"), "precious") << way;
    }
}

// Writes half of a piece holding the new graph's text, then meets the
// user's file size limit for all but the old content written back.
struct HalfThenTooLarge : PassingPlatform {
    mutable bool halved = false;
    int write(FileHandle file, const char* data, std::size_t size,
              std::size_t& written) const override {
        const std::string_view text(data, size);
        if (!halved && (text.find("[U \"new\"") != std::string_view::npos ||
                        text.find("[U \"added\"") != std::string_view::npos)) {
            halved = true;
            return PassingPlatform::write(file, data, size / 2, written);
        }
        return halved && !text.starts_with("[U \"old\"")
                   ? EFBIG
                   : PassingPlatform::write(file, data, size, written);
    }
};

TEST(InterruptedSave, ARewriteCutByTheSizeLimitPutsBackTheOldContentAndBackup) {
    const std::string old = "[U \"old\", (1),2, (2)]\n\x1a trailing text";
    const SaveFolder d;
    d.lay(old);
    fs::create_hard_link(d.file, d.path / "second link");
    std::ofstream(d.backup()) << "older";
    EXPECT_EQ(d.save(HalfThenTooLarge()),
              SAVED +
                  "\nError: cannot write file GraphDataFile2.txt (File too large); it was left "
                  "as it was\n");
    const Result<ReplaceReport> appended = append_data_inputs(
        d.file, "[U \"added\", (1),5, (2),5, (3),5, (4),5, (5)]\n", HalfThenTooLarge(), {});
    ASSERT_FALSE(appended);
    EXPECT_EQ(appended.reason(),
              "cannot write file " + d.file.string() + " (File too large); it was left as it was");
    EXPECT_EQ(found(d.file), old);
    EXPECT_EQ(found(d.path / "second link"), old);
    EXPECT_EQ(found(d.backup()), "older");
    EXPECT_EQ(d.entries(), 3);
}

TEST(InterruptedSave, AnAppendInPlaceWritesOnlyWhatFollowsItsPlace) {
    const SaveFolder d;
    d.lay("A\n\x1a hidden");
    fs::create_hard_link(d.file, d.path / "second link");
    ASSERT_TRUE(append_data_inputs(d.file, "B\n", system_platform(), {}));
    EXPECT_EQ(found(d.path / "second link"), "A\nB\n\x1a hidden");
    EXPECT_EQ(found(d.backup()), "A\n\x1a hidden");
    EXPECT_NE(inode_of(d.backup()), inode_of(d.file));
}

// Another program makes the missing data file just before this one puts
// its own there.
struct MadeMeanwhile : PassingPlatform {
    explicit MadeMeanwhile(fs::path at) : file(std::move(at)) {}
    fs::path file;
    mutable bool made = false;
    int link(const Path& from, const Path& to) const override {
        if (to == file && !made) {
            made = true;
            std::ofstream(file) << "theirs";
        }
        return PassingPlatform::link(from, to);
    }
};

TEST(InterruptedSave, AFileMadeMeanwhileIsKeptAsTheBackupNotOverwritten) {
    const SaveFolder d;
    const MadeMeanwhile platform(d.file);
    const Result<ReplaceReport> saved =
        replace_file_contents(d.file, "mine", {.keep_backup = true}, platform);
    ASSERT_TRUE(saved);
    EXPECT_EQ(found(d.file), "mine");
    EXPECT_EQ(found(d.backup()), "theirs");
    EXPECT_EQ(d.entries(), 2);
}

TEST(InterruptedSave, EveryNameThatLeavesRoomForItsBackupIsSavedAndBackedUp) {
    EXPECT_EQ(hidden_stem("GraphDataFile2.txt"), ".GraphDataFile2.txt");
    EXPECT_EQ(hidden_stem(std::string(235, 'n')).size(), 236U);
    const std::string long_stem = hidden_stem(std::string(251, 'n'));
    EXPECT_EQ(long_stem.size(), 236U);
    EXPECT_NE(long_stem, hidden_stem(std::string(250, 'n') + "m"));
    // A cut never splits a UTF-8 character: "é" is two bytes.
    std::string accents;
    while (accents.size() < 250) {
        accents += "\u00e9";
    }
    EXPECT_EQ(hidden_stem(accents).find('~') % 2, 1U);

    for (const bool unnamed : {true, false}) {
        PassingPlatform platform;
        platform.unnamed_files = unnamed;
        for (const std::size_t length : {243U, 244U, 247U, 248U, 251U}) {
            const SaveFolder d;
            const fs::path file = d.path / std::string(length, 'n');
            const ReplaceOptions options{.keep_backup = true};
            ASSERT_TRUE(replace_file_contents(file, "first", options, platform)) << length;
            ASSERT_TRUE(replace_file_contents(file, "second", options, platform)) << length;
            EXPECT_EQ(found(file), "second");
            EXPECT_EQ(found(backup_name(file.string())), "first");
            EXPECT_EQ(d.entries(), 2);
        }
    }
}

}  // namespace
}  // namespace ugraph
