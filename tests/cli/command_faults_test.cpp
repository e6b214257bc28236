// A command's failures, injected through the platform of its context: the
// output that cannot be written, the data file another program holds, a
// replacement the system refuses. Each is told in one line and leaves the
// files as they were.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "../storage/passing_platform.hpp"
#include "storage/output_buffer.hpp"
#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

// Another program holds every file's lock for longer than any patience.
struct LockHeld : PassingPlatform {
    int lock(FileHandle /*file*/, LockMode /*mode*/,
             std::chrono::milliseconds /*patience*/) const override {
        return EWOULDBLOCK;
    }
};

// Every rename is refused, as by a folder closed to the user.
struct RenameRefused : PassingPlatform {
    int rename(const Path& /*from*/, const Path& /*to*/) const override { return EACCES; }
};

// INPUT opens, but every read of it fails, as on a failing disk.
struct InputReadsFail : PassingPlatform {
    int read(FileHandle /*file*/, char* /*data*/, std::size_t /*size*/,
             std::size_t& got) const override {
        got = 0;
        return EIO;
    }
};

// The command line with standard output written through the platform, as
// main writes it.
Ran run_through(const Platform& platform, std::vector<const char*> args,
                const std::string& typed = "") {
    args.insert(args.begin(), "ugraph");
    std::istringstream in(typed);
    OutputBuffer buffer(platform, platform.standard_output());
    std::ostream out(&buffer);
    std::ostringstream err;
    const int status = run_in_context(args, in, out, err, platform);
    return {status, "", err.str()};
}

// The same with standard output caught in a string.
Ran run_caught(const Platform& platform, std::vector<const char*> args,
               const std::string& typed = "") {
    args.insert(args.begin(), "ugraph");
    std::istringstream in(typed);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_in_context(args, in, out, err, platform);
    return {status, out.str(), err.str()};
}

struct Folder {
    Folder() : path(fresh_folder("ugraph-faults-")), data(path / "graphs.txt") {
        std::ofstream(data, std::ios::binary) << DATA;
    }
    ~Folder() { fs::remove_all(path); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    static constexpr const char* DATA = "Graphs\n[U \"a\", (1),2, (2)]\n[U \"b\", (1),2, (2)]\n";
    fs::path path;
    fs::path data;
    std::string file = data.string();
};

TEST(CommandFaults, OutputThatCannotBeWrittenIsStatusTwoAndOneLine) {
    const Folder d;
    for (const int error : {ENOSPC, EBADF}) {
        const WritesFail platform(error);
        const std::string told =
            "ugraph: cannot write to standard output (" + platform.describe(error) + ")\n";
        for (const auto& args : std::vector<std::vector<const char*>>{
                 {"list", "-f", d.file.c_str()},
                 {"export", "all", "--to", "graph6", "-f", d.file.c_str()},
                 {"show", "1", "-f", d.file.c_str()},
                 {"--help"},
                 {"completion", "bash"}}) {
            const Ran r = run_through(platform, args);
            EXPECT_EQ(r.status, 2) << args[0];
            EXPECT_EQ(r.err, told) << args[0];
        }
        EXPECT_EQ(content_of(d.data), Folder::DATA);
    }
}

TEST(CommandFaults, AReaderGoneEndsTheListQuietlyAtTheFirstWrite) {
    const Folder d;
    {
        std::ofstream many(d.data, std::ios::binary);
        for (int k = 0; k < 100000; ++k) {
            many << "[U \"g\", (1),2, (2)]\n";
        }
    }
    const WritesFail platform(EPIPE);
    const Ran r = run_through(platform, {"list", "-f", d.file.c_str()});
    EXPECT_EQ(r.status, 141);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(platform.tries, 1);  // nothing more was read to be written
}

TEST(CommandFaults, AFullDiskLeavesTheOutputFileAsItWas) {
    const Folder d;
    const fs::path output = d.path / "kept.g6";
    std::ofstream(output, std::ios::binary) << "as it was\n";
    const std::string name = output.string();
    const WritesFail platform(ENOSPC);
    const Ran r = run_caught(
        platform, {"export", "all", "--to", "graph6", "-f", d.file.c_str(), "-o", name.c_str()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "ugraph: cannot write file " + name +
                         " (No space left on device); it was left as it was\n");
    EXPECT_EQ(content_of(output), "as it was\n");
    const Ran converted = run_caught(
        platform, {"convert", "--from", "graph6", "--to", "sparse6", "-o", name.c_str()}, "A_\n");
    EXPECT_EQ(converted.status, 2);
    EXPECT_EQ(content_of(output), "as it was\n");
}

TEST(CommandFaults, ADataFileHeldByAnotherProgramIsToldAfterTheWait) {
    const Folder d;
    const LockHeld platform;
    const std::string waiting =
        "ugraph: " + d.file + " is in use by another program; waiting up to 10 seconds for it\n";
    const Ran listed = run_caught(platform, {"list", "-f", d.file.c_str()});
    EXPECT_EQ(listed.status, 2);
    EXPECT_EQ(listed.out, "");
    EXPECT_EQ(listed.err, waiting + "ugraph: cannot read " + d.file +
                              " (still in use by another program after 10 seconds)\n");
    const Ran appended = run_caught(
        platform, {"import", "--from", "graph6", "--append", "-f", d.file.c_str()}, "A_\n");
    EXPECT_EQ(appended.status, 2);
    EXPECT_TRUE(appended.err.starts_with(waiting)) << appended.err;
    EXPECT_NE(appended.err.find("still in use by another program after 10 seconds"),
              std::string::npos)
        << appended.err;
    EXPECT_EQ(content_of(d.data), Folder::DATA);
}

TEST(CommandFaults, ARefusedRenameKeepsTheDataFileAndTheOutput) {
    const Folder d;
    const RenameRefused platform;
    const Ran appended = run_caught(
        platform, {"import", "--from", "graph6", "--append", "-f", d.file.c_str()}, "A_\n");
    EXPECT_EQ(appended.status, 2);
    EXPECT_NE(appended.err.find("Permission denied"), std::string::npos) << appended.err;
    EXPECT_EQ(content_of(d.data), Folder::DATA);
    const fs::path output = d.path / "out.g6";
    std::ofstream(output, std::ios::binary) << "as it was\n";
    const std::string name = output.string();
    const Ran exported = run_caught(
        platform, {"export", "1", "--to", "graph6", "-f", d.file.c_str(), "-o", name.c_str()});
    EXPECT_EQ(exported.status, 2);
    EXPECT_EQ(exported.err, "ugraph: cannot write file " + name +
                                " (Permission denied); it was left as it was\n");
    EXPECT_EQ(content_of(output), "as it was\n");
}

TEST(CommandFaults, InputIsOpenedAndReadThroughThePlatform) {
    const Folder d;
    const fs::path input = d.path / "graphs.g6";
    std::ofstream(input) << "A_\nA_\n";
    const std::string name = input.string();
    const InputReadsFail platform;
    const Ran converted =
        run_caught(platform, {"convert", "--from", "graph6", "--to", "sparse6", name.c_str()});
    EXPECT_EQ(converted.status, 2);
    EXPECT_EQ(converted.err, "ugraph: cannot read " + name + " to its end\n");
    const Ran imported = run_caught(platform, {"import", "--from", "graph6", name.c_str()});
    EXPECT_EQ(imported.status, 2);
    EXPECT_EQ(imported.out, "");
    EXPECT_EQ(imported.err, "ugraph: cannot read " + name + " to its end\n");
    const std::string missing = (d.path / "missing.g6").string();
    const Ran absent =
        run_caught(PassingPlatform(), {"import", "--from", "graph6", missing.c_str()});
    EXPECT_EQ(absent.status, 2);
    EXPECT_EQ(absent.err, "ugraph: cannot read " + missing + " (No such file or directory)\n");
}

}  // namespace
}  // namespace ugraph
