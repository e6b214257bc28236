#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "save_folder.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

ino_t inode_of(const fs::path& file) {
    struct stat status {};
    ::stat(file.c_str(), &status);
    return status.st_ino;
}

int folder_refuses(const char* /*folder*/, mode_t /*mode*/) { return errno = EACCES, -1; }
int folder_refuses_named(char* /*path_template*/) { return errno = EACCES, -1; }
int no_hard_links(const char* /*from*/, const char* /*to*/) { return errno = EPERM, -1; }

FileSystemCalls folder_refusing_new_files() {
    FileSystemCalls calls = with(&FileSystemCalls::open_unnamed, folder_refuses);
    calls.make_temp = folder_refuses_named;
    return calls;
}

TEST(SafeSave, KeepsTheOldContentAsBackupWithTheFilesMode) {
    for (const FileSystemCalls& calls :
         {system_file_calls(), with(&FileSystemCalls::link, no_hard_links)}) {
        const SaveFolder d;
        d.lay("old");
        fs::permissions(d.file, fs::perms(0640));
        const ino_t old_inode = inode_of(d.file);
        EXPECT_EQ(d.save(calls), "saved");
        EXPECT_EQ(found(d.file), SAVED);
        EXPECT_EQ(found(d.backup()), "old");
        EXPECT_EQ(fs::status(d.file).permissions(), fs::perms(0640));
        EXPECT_EQ(fs::status(d.backup()).permissions(), fs::perms(0640));
        // A hard link keeps the old file itself as the backup; a copy is a new file.
        EXPECT_EQ(inode_of(d.backup()) == old_inode, calls.link != no_hard_links);
        EXPECT_EQ(d.entries(), 2);
    }
}

TEST(SafeSave, ChangesNothingWhenTheFileHoldsTheTextAlready) {
    const SaveFolder d;
    d.lay(SAVED);
    const ino_t inode = inode_of(d.file);
    EXPECT_EQ(d.save(system_file_calls()), "saved");
    EXPECT_EQ(inode_of(d.file), inode);
    EXPECT_EQ(d.entries(), 1);  // and no backup
}

TEST(SafeSave, RewritesInPlaceWhereARenameWouldBreakAHardLink) {
    const SaveFolder d;
    d.lay("old");
    fs::create_hard_link(d.file, d.path / "second link");
    const ino_t inode = inode_of(d.file);
    EXPECT_EQ(d.save(system_file_calls()), "saved");
    EXPECT_EQ(inode_of(d.file), inode);
    EXPECT_EQ(found(d.path / "second link"), SAVED);
    EXPECT_EQ(found(d.backup()), "old");
}

TEST(SafeSave, RewritesInPlaceWhenTheFolderRefusesNewFiles) {
    const SaveFolder d;
    d.lay("old");
    EXPECT_EQ(d.save(folder_refusing_new_files()),
              "saved"
              "Note: the folder of GraphDataFile2.txt refuses new files, so it was rewritten in "
              "place and no backup of its previous content could be kept\n");
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(d.entries(), 1);

    // A backup already there is rewritten in place too.
    std::ofstream(d.backup()) << "stale";
    d.lay("older");
    EXPECT_EQ(d.save(folder_refusing_new_files()), "saved");
    EXPECT_EQ(found(d.backup()), "older");

    // With no file to rewrite, the folder's refusal stops the save.
    fs::remove(d.file);
    EXPECT_EQ(d.save(folder_refusing_new_files()),
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
        EXPECT_EQ(d.save(system_file_calls()), "saved");
        EXPECT_EQ(found(d.path / "precious"), "precious");
        EXPECT_FALSE(fs::is_symlink(d.backup()));
        EXPECT_EQ(found(d.backup()), "old");

        d.lay("older");
        fs::permissions(d.backup(), fs::perms(0444));
        EXPECT_EQ(d.save(system_file_calls()), "saved");
        EXPECT_EQ(found(d.backup()), "older");
    }
}

TEST(SafeSave, KeepsASymbolicLinkAndBacksUpBesideItsTarget) {
    const SaveFolder d;
    fs::create_directory(d.path / "kept");
    std::ofstream(d.path / "kept" / "graphs.txt") << "old";
    fs::create_symlink("kept/graphs.txt", d.file);
    EXPECT_EQ(d.save(system_file_calls()), "saved");
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
    Console console(typed, shown);
    EXPECT_FALSE(save_data_input(console, none, d.file));
    EXPECT_EQ(shown.str(),
              "[U \"neg\"]\nError: a Ugraph without nodes is not saved, because it "
              "could not be loaded back; " +
                  d.file.string() + " was left as it was\n");
    EXPECT_EQ(found(d.file), "[U \"kept\", (1),2]");
}

}  // namespace
}  // namespace ugraph
