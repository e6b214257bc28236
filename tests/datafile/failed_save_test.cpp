#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "datafile/save_data_input.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

const std::string SAVED = "[U \"new\", (1),2,3, (2), (3)]";

ssize_t write_half_then_disk_full(int fd, const void* data, size_t size) {
    return size < 8 ? (errno = ENOSPC, -1) : ::write(fd, data, size / 2);
}
int fail_sync(int /*fd*/) { return errno = EIO, -1; }
int close_then_fail(int fd) { return ::close(fd), errno = EIO, -1; }
int fail_rename(const char* /*from*/, const char* /*to*/) { return errno = EXDEV, -1; }

// What stands at the path: a file's bytes, or "<folder>".
std::string found(const fs::path& at) {
    std::ifstream in(at, std::ios::binary);
    return fs::is_directory(at) ? "<folder>" : std::string(std::istreambuf_iterator<char>(in), {});
}

// What the user is told after the graph of SAVED failed to save.
std::string told(const std::string& reason) {
    return SAVED + "\nError: cannot write file GraphDataFile2.txt (" + reason +
           "); it was left as it was\n";
}

// A scratch folder for the data file. `save` saves the graph of SAVED into
// it, Enter typed at the pause, and gives what the user saw, or "saved".
struct Folder {
    Folder() : path(mkdtemp(pattern.data())), file(path / GRAPH_DATA_FILE) {}
    ~Folder() { fs::remove_all(path); }
    long entries() const { return std::distance(fs::directory_iterator(path), {}); }
    std::string save(const FileSystemCalls& calls) const {
        UGraph graph;
        set_name(graph.name, "new");
        graph.arc_from = {4, 1, 1, 2, 3};
        graph.arc_to = {3, 2, 3, 1, 1};
        std::istringstream typed("\n");
        std::ostringstream shown;
        Console console(typed, shown);
        const bool saved =
            save_data_input(console, graph.arc_from, graph.arc_to, graph.name, file, calls);
        return saved ? "saved" : shown.str();
    }
    std::string pattern = (fs::temp_directory_path() / "ugraph-save-XXXXXX").string();
    fs::path path, file;
};

TEST(FailedSave, KeepsTheOldFileByteForByteAndSaysWhy) {
    const auto [temp, write, sync, close, rename, remove] = system_file_calls();
    const std::pair<FileSystemCalls, std::string> faults[] = {
        {{temp, write_half_then_disk_full, sync, close, rename, remove}, "No space left on device"},
        {{temp, write, fail_sync, close, rename, remove}, "Input/output error"},
        {{temp, write, sync, close_then_fail, rename, remove}, "Input/output error"},
        {{temp, write, sync, close, fail_rename, remove}, "Invalid cross-device link"},
        {system_file_calls(), "Is a directory"},  // the data file is a folder
    };
    for (const auto& [calls, reason] : faults) {
        const Folder d;
        if (reason == "Is a directory") {
            fs::create_directory(d.file);
        } else {
            std::ofstream(d.file, std::ios::binary) << "[U \"old\", (1),2]\r\nfree text";
        }
        const std::string before = found(d.file);
        EXPECT_EQ(d.save(calls), told(reason));
        EXPECT_EQ(found(d.file), before) << reason;
        EXPECT_EQ(d.entries(), 1) << "a file was left: " << reason;
    }
}

TEST(SafeSave, KeepsTheUsersFileModeAndSymbolicLink) {
    const Folder d;
    std::ofstream(d.file) << "old";
    fs::permissions(d.file, fs::perms(0640));
    EXPECT_EQ(d.save(system_file_calls()), "saved");
    EXPECT_EQ(found(d.file), SAVED);
    EXPECT_EQ(fs::status(d.file).permissions(), fs::perms(0640));

    fs::rename(d.file, d.path / "kept.txt");
    fs::create_symlink("kept.txt", d.file);
    EXPECT_EQ(d.save(system_file_calls()), "saved");
    EXPECT_TRUE(fs::is_symlink(d.file));
    EXPECT_EQ(found(d.path / "kept.txt"), SAVED);
    EXPECT_EQ(d.entries(), 2);
}

}  // namespace
}  // namespace ugraph
