#include "storage/rewrite_journal.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "save_folder.hpp"
#include "storage/append_data_inputs.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/file_replace.hpp"
#include "storage/hidden_names.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

const std::string OLD = "[U \"old\", (1),2, (2)]\n[U \"kept\", (1),2, (2)]\n";

// Standard error as a file, so that a test reads what a run told there.
struct TellsToFile : PassingPlatform {
    explicit TellsToFile(const fs::path& file) {
        { std::ofstream created{file}; }  // made empty, and closed again
        (void)system_platform().open_write(file, told);
    }
    TellsToFile(const TellsToFile&) = delete;
    TellsToFile& operator=(const TellsToFile&) = delete;
    ~TellsToFile() override { (void)system_platform().close(told); }
    FileHandle standard_error() const override { return told; }
    FileHandle told = NO_FILE;
};

// What a kill in the middle of a rewrite in place leaves: the journal whole
// (beside the file, or in the state folder where the folder refused it) and
// the file's first bytes new, its tail old.
void lay_cut_short_rewrite(const SaveFolder& d, const Platform& platform) {
    FileStatus status;
    FileHandle old = NO_FILE;
    ASSERT_EQ(platform.status(d.file, status), 0);
    ASSERT_EQ(platform.open_read(d.file, old), 0);
    RewriteJournal journal(d.file, status, platform);
    ASSERT_EQ(journal.keep(old), 0);
    (void)platform.close(old);
    std::fstream(d.file, std::ios::in | std::ios::out | std::ios::binary) << "[U \"new\", (1)";
}

TEST(RewriteJournal, EveryLaterRunPutsBackARewriteCutShortAndSaysSoInOneLine) {
    for (const bool beside : {true, false}) {
        const SaveFolder d;
        d.lay(OLD);
        fs::create_hard_link(d.file, d.path / "second link");
        if (beside) {
            lay_cut_short_rewrite(d, system_platform());
        } else {
            lay_cut_short_rewrite(d, FolderRefusesNewFiles());
        }
        const TellsToFile platform(d.path / "told");
        // A reader, not only a writer, finds the old content whole.
        const Result<std::unique_ptr<DataFileStream>> read =
            DataFileStream::open(d.file, {}, platform);
        ASSERT_TRUE(read) << read.reason();
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(read.value()->stream()), {}), OLD);
        EXPECT_EQ(found(d.path / "second link"), OLD);
        const std::string told = found(d.path / "told");
        EXPECT_TRUE(told.starts_with("ugraph: a rewrite of " + d.file.string() +
                                     " had been cut short; its previous content, kept in "))
            << told;
        EXPECT_TRUE(told.ends_with(", was put back\n")) << told;
        EXPECT_FALSE(rewrite_journal_stands(d.file, FileStatus{}, platform));
        EXPECT_EQ(d.entries(), 3);  // the file, its second link, what was told
    }
}

// Every cut of the data file fails: the rewrite, and its undoing too.
struct CutsFail : PassingPlatform {
    int truncate(FileHandle /*file*/, std::uint64_t /*length*/) const override { return EIO; }
};

TEST(RewriteJournal, AFailureThatCannotBeUndoneKeepsTheJournalAndSaysWhere) {
    const SaveFolder d;
    d.lay(OLD);
    fs::create_hard_link(d.file, d.path / "second link");
    EXPECT_EQ(d.save(CutsFail()), SAVED +
                                      "\nError: cannot write file GraphDataFile2.txt (Input/output "
                                      "error); its previous content is kept whole in "
                                      "./.GraphDataFile2.txt.~ugraph-journal, and the next run of "
                                      "ugraph on the file puts it back\n");
    EXPECT_EQ(found(d.path / ".GraphDataFile2.txt.~ugraph-journal").substr(0, 36),
              std::string(JOURNAL_MARK));
    // The next save puts the old content back first, then keeps it as the backup.
    const TellsToFile platform(d.path / "told");
    EXPECT_EQ(d.save(platform), "saved");
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(found(d.backup()), OLD);
    EXPECT_EQ(found(d.path / "second link"), SAVED);
    EXPECT_EQ(d.entries(), 4);
}

TEST(RewriteJournal, TheCleanupTakesOnlyUgraphsOwnHiddenNames) {
    const SaveFolder d;
    d.lay(OLD);
    const std::string ours = fresh_hidden_name("GraphDataFile2.txt");
    std::string forged = ours;
    forged.back() = forged.back() == '0' ? '1' : '0';  // the checksum no longer matches
    EXPECT_TRUE(is_hidden_name(ours, "GraphDataFile2.txt"));
    EXPECT_FALSE(is_hidden_name(forged, "GraphDataFile2.txt"));
    const std::string users[] = {".GraphDataFile2.txt.backup", ".GraphDataFile2.txt.bak.v2copy",
                                 ".GraphDataFile2.txt.Xy9Z0q", forged};
    for (const std::string& name : users) {
        std::ofstream(d.path / name) << "the user's";
    }
    std::ofstream(d.path / ours) << "[U \"ne";
    EXPECT_EQ(d.save(), "saved");
    for (const std::string& name : users) {
        EXPECT_EQ(found(d.path / name), "the user's") << name;
    }
    EXPECT_FALSE(fs::exists(d.path / ours));
    // A data file yet to be made: what a kill left is cleared all the same.
    fs::remove(d.file);
    std::ofstream(d.path / ours) << "[U \"ne";
    EXPECT_EQ(d.save(), "saved");
    EXPECT_FALSE(fs::exists(d.path / ours));
}

// Another program makes the data file between the open that finds nothing
// and the look at the name.
struct MadeMeanwhile : PassingPlatform {
    mutable bool made = false;
    int open_read(const Path& path, FileHandle& file) const override {
        if (!made && path.filename() == GRAPH_DATA_FILE) {
            made = true;
            std::ofstream(path) << "[U \"theirs\", (1)]\n";
            return ENOENT;
        }
        return PassingPlatform::open_read(path, file);
    }
};

TEST(RewriteJournal, AMissingDataFileMadeByAnotherProgramMeanwhileIsNoRefusal) {
    const SaveFolder d;
    const Result<ReplaceReport> appended =
        append_data_inputs(d.file, "[U \"mine\", (1)]\n", MadeMeanwhile(), {});
    ASSERT_TRUE(appended) << appended.reason();
    EXPECT_EQ(found(d.file), "[U \"theirs\", (1)]\n[U \"mine\", (1)]\n");
}

// NAME.bak belongs to another user, in a folder that lets only its owner
// replace it.
struct BackupOfAnotherUser : PassingPlatform {
    int link_status(const Path& path, FileStatus& status) const override {
        const int error = PassingPlatform::link_status(path, status);
        status.owner += path.filename() == "GraphDataFile2.txt.bak" ? 1 : 0;
        return error;
    }
    int rename(const Path& from, const Path& to) const override {
        return to.filename() == "GraphDataFile2.txt.bak" ? EPERM
                                                         : PassingPlatform::rename(from, to);
    }
};

TEST(RewriteJournal, AnotherUsersBackupNeverBlocksASave) {
    for (const bool second_link : {false, true}) {
        const SaveFolder d;
        d.lay("old");
        std::ofstream(d.backup()) << "theirs";
        if (second_link) {
            fs::create_hard_link(d.file, d.path / "second link");
        }
        const std::string own =
            "GraphDataFile2.txt.bak-" + std::to_string(system_platform().user());
        EXPECT_EQ(d.save(BackupOfAnotherUser()),
                  "savedugraph: GraphDataFile2.txt.bak belongs to another user and cannot be "
                  "replaced, so the previous content of GraphDataFile2.txt was kept as " +
                      own + "\n");
        EXPECT_EQ(found(d.file), SAVED);
        EXPECT_EQ(found(d.backup()), "theirs");
        EXPECT_EQ(found(d.path / own), "old");
        EXPECT_EQ(d.entries(), second_link ? 4 : 3);
    }
}

TEST(RewriteJournal, ARewriteStreamsTheOldContentThroughItsFunction) {
    const Rewrite upper = [](OldContent& old, std::ostream& out) -> Result<> {
        for (char c = 0; old.stream().get(c);) {
            out.put(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        }
        return {};
    };
    const Rewrite refuses = [](OldContent& old, std::ostream& out) -> Result<> {
        out << "half";
        return old.exists() ? refused("no, thank you") : Result<>();
    };
    for (const bool second_link : {false, true}) {
        const SaveFolder d;
        d.lay(OLD);
        if (second_link) {
            fs::create_hard_link(d.file, d.path / "second link");
        }
        const ReplaceOptions options{.keep_backup = true};
        const Result<ReplaceReport> refusal =
            rewrite_file(d.file, refuses, options, system_platform());
        EXPECT_EQ(refusal.reason(), "no, thank you");
        EXPECT_EQ(found(d.file), OLD);
        EXPECT_EQ(d.entries(), second_link ? 2 : 1);
        ASSERT_TRUE(rewrite_file(d.file, upper, options, system_platform()));
        EXPECT_EQ(found(d.file), "[U \"OLD\", (1),2, (2)]\n[U \"KEPT\", (1),2, (2)]\n");
        EXPECT_EQ(found(d.backup()), OLD);
        EXPECT_EQ(d.entries(), second_link ? 3 : 2);
    }
}

}  // namespace
}  // namespace ugraph
