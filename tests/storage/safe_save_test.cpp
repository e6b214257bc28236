#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "save_folder.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

struct NoHardLinks : PassingPlatform {
    int link(const Path& /*from*/, const Path& /*to*/) const override { return EPERM; }
};

TEST(SafeSave, KeepsTheOldContentAsBackupWithTheFilesMode) {
    const PassingPlatform plain;
    const NoHardLinks no_hard_links;
    for (const PassingPlatform* platform :
         std::initializer_list<const PassingPlatform*>{&plain, &no_hard_links}) {
        const SaveFolder d;
        d.lay("old");
        fs::permissions(d.file, fs::perms(0640));
        const std::uint64_t old_inode = inode_of(d.file);
        EXPECT_EQ(d.save(*platform), "saved");
        EXPECT_EQ(found(d.file), SAVED);
        EXPECT_EQ(found(d.backup()), "old");
        EXPECT_EQ(fs::status(d.file).permissions(), fs::perms(0640));
        EXPECT_EQ(fs::status(d.backup()).permissions(), fs::perms(0640));
        // A hard link keeps the old file itself as the backup; a copy is a new file.
        EXPECT_EQ(inode_of(d.backup()) == old_inode, platform == &plain);
        EXPECT_EQ(d.entries(), 2);
    }
}

TEST(SafeSave, ChangesNothingWhenTheFileHoldsTheTextAlready) {
    const SaveFolder d;
    d.lay(SAVED);
    const std::uint64_t inode = inode_of(d.file);
    EXPECT_EQ(d.save(), "saved");
    EXPECT_EQ(inode_of(d.file), inode);
    EXPECT_EQ(d.entries(), 1);  // and no backup
}

TEST(SafeSave, RewritesInPlaceWhereARenameWouldBreakAHardLink) {
    const SaveFolder d;
    d.lay("old");
    fs::create_hard_link(d.file, d.path / "second link");
    const std::uint64_t inode = inode_of(d.file);
    EXPECT_EQ(d.save(), "saved");
    EXPECT_EQ(inode_of(d.file), inode);
    EXPECT_EQ(found(d.path / "second link"), SAVED);
    EXPECT_EQ(found(d.backup()), "old");
}

// Sees the data file as another user's: a new file cannot be given its owner.
struct DataFileOfAnotherUser : PassingPlatform {
    mutable FileHandle data_file = NO_FILE;
    int open_read(const Path& path, FileHandle& file) const override {
        const int error = PassingPlatform::open_read(path, file);
        data_file = path.filename() == GRAPH_DATA_FILE ? file : data_file;
        return error;
    }
    int handle_status(FileHandle file, FileStatus& status) const override {
        const int error = PassingPlatform::handle_status(file, status);
        status.owner += file == data_file ? 1 : 0;
        return error;
    }
    int set_owner(FileHandle /*file*/, std::uint32_t /*owner*/,
                  std::uint32_t /*group*/) const override {
        return EPERM;
    }
};

TEST(SafeSave, RewritesInPlaceWhereTheOwnerCannotBeGivenToANewFile) {
    const SaveFolder d;
    d.lay("old");
    const std::uint64_t inode = inode_of(d.file);
    EXPECT_EQ(d.save(DataFileOfAnotherUser()), "saved");
    EXPECT_EQ(inode_of(d.file), inode);
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(found(d.backup()), "old");
    EXPECT_EQ(d.entries(), 2);
}

TEST(SafeSave, RewritesInPlaceWhenTheFolderRefusesNewFiles) {
    const SaveFolder d;
    d.lay("old");
    EXPECT_EQ(d.save(FolderRefusesNewFiles()),
              "saved"
              "Note: the folder of GraphDataFile2.txt refuses new files, so it was rewritten in "
              "place and no backup of its previous content could be kept\n");
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(d.entries(), 1);

    // A backup already there is never written through: it stays as it was.
    std::ofstream(d.backup()) << "stale";
    d.lay("older");
    EXPECT_EQ(d.save(FolderRefusesNewFiles()),
              "saved"
              "Note: the folder of GraphDataFile2.txt refuses new files, so it was rewritten in "
              "place and no backup of its previous content could be kept\n");
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(found(d.backup()), "stale");

    // With no file to rewrite, the folder's refusal stops the save.
    fs::remove(d.file);
    EXPECT_EQ(d.save(FolderRefusesNewFiles()),
              SAVED +
                  "\nError: cannot write in the folder of GraphDataFile2.txt (Permission "
                  "denied); GraphDataFile2.txt was left as it was\n");
}

TEST(SafeSave, ReplacesWhateverStandsAtTheBackupsName) {
    // A link there is replaced, not followed; a read-only older backup is
    // replaced too; both by a rename and by a rewrite in place.
    for (const bool second_link : {false, true}) {
        const SaveFolder d;
        d.lay("old");
        if (second_link) {
            fs::create_hard_link(d.file, d.path / "second link");
        }
        std::ofstream(d.path / "precious") << "precious";
        fs::create_symlink("precious", d.backup());
        EXPECT_EQ(d.save(), "saved");
        EXPECT_EQ(found(d.path / "precious"), "precious");
        EXPECT_FALSE(fs::is_symlink(d.backup()));
        EXPECT_EQ(found(d.backup()), "old");

        d.lay("older");
        fs::permissions(d.backup(), fs::perms(0444));
        EXPECT_EQ(d.save(), "saved");
        EXPECT_EQ(found(d.backup()), "older");
    }
}

TEST(SafeSave, KeepsASymbolicLinkAndBacksUpBesideItsTarget) {
    const SaveFolder d;
    fs::create_directory(d.path / "kept");
    std::ofstream(d.path / "kept" / "graphs.txt") << "old";
    fs::create_symlink("kept/graphs.txt", d.file);
    EXPECT_EQ(d.save(), "saved");
    EXPECT_TRUE(fs::is_symlink(d.file));
    EXPECT_EQ(found(d.path / "kept" / "graphs.txt"), SAVED);
    EXPECT_EQ(found(d.path / "kept" / "graphs.txt.bak"), "old");
}

TEST(SafeSave, RefusesAGraphWithoutNodesAfterShowingIt) {
    const SaveFolder d;
    d.lay("[U \"kept\", (1),2]");
    UGraph none;
    set_name(none.name, "neg");
    none.set_node_count(-3);
    std::istringstream typed("\n");
    std::ostringstream shown;
    std::ostringstream noted;
    Console console(typed, shown);
    EXPECT_FALSE(save_data_input(console, noted, none, d.file, system_platform()));
    EXPECT_EQ(shown.str(),
              "[U \"neg\"]\nError: a Ugraph without nodes is not saved, because it "
              "could not be loaded back; " +
                  d.file.string() + " was left as it was\n");
    EXPECT_EQ(found(d.file), "[U \"kept\", (1),2]");
}

// Notes, in order, the syncs of files and folders and the renames of a save.
struct NotesDurableSteps : PassingPlatform {
    mutable std::vector<std::string> steps;
    int sync(FileHandle file) const override {
        steps.emplace_back("sync file");
        return PassingPlatform::sync(file);
    }
    int rename(const Path& from, const Path& to) const override {
        steps.push_back("rename to " + to.string());
        return PassingPlatform::rename(from, to);
    }
    int sync_folder(const Path& folder) const override {
        steps.push_back("sync folder " + folder.string());
        return PassingPlatform::sync_folder(folder);
    }
};

struct FolderCannotSync : PassingPlatform {
    int sync_folder(const Path& /*folder*/) const override { return EINVAL; }
};

TEST(SafeSave, SyncsTheTextBeforeTheRenameAndTheFolderAfterIt) {
    const SaveFolder d;
    d.lay("old");
    NotesDurableSteps noted;
    EXPECT_EQ(d.save(noted), "saved");
    EXPECT_EQ(noted.steps,
              (std::vector<std::string>{"sync file", "rename to GraphDataFile2.txt.bak",
                                        "rename to GraphDataFile2.txt", "sync folder ."}));

    // Through a link, the folder synced is the one the rename was made in.
    fs::create_directory(d.path / "kept");
    std::ofstream(d.path / "kept" / "graphs.txt") << "old";
    fs::remove(d.file);
    fs::create_symlink("kept/graphs.txt", d.file);
    noted.steps.clear();
    EXPECT_EQ(d.save(noted), "saved");
    EXPECT_EQ(noted.steps.back(), "sync folder kept");
    EXPECT_EQ(noted.steps.at(noted.steps.size() - 2), "rename to kept/graphs.txt");

    // A folder that cannot be synced leaves the rename standing.
    d.lay("older");
    EXPECT_EQ(d.save(FolderCannotSync()), "saved");
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(found(d.path / "kept" / "graphs.txt.bak"), "older");
}

}  // namespace
}  // namespace ugraph
