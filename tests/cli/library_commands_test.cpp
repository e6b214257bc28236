// delete, rename and move run as main runs them, on a data file of CR LF
// lines with free text, a data-input beside others and a Ctrl-Z tail: each
// changes what it names and keeps every other byte, the previous content
// kept as the backup; a refusal or a failed write leaves the data file and
// its older backup byte for byte as they were.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "../storage/passing_platform.hpp"
#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

// Five data-inputs: 1 alone on its line, oddly written; 2 amid free text;
// 3 alone between blanks; 4 and 5 on one line, 5 without a name.
const std::string LIBRARY =
    "Graphs of the course\r\n"
    "[u \"Path\" ,(1)2 3,(2)]\r\n"
    "Triangle: [U \"Tri\", (1),2,3, (2),3, (3)] for later\r\n"
    "\t[U \"Star\", (1),2,3,4] \r\n"
    "[U \"K2\", (1),2] [D]\r\n"
    "\x1a[U \"after the end\"]\r\n";
const std::string OLDER_BACKUP = "an older backup\n";

// `text` with the first `from` in it made `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

struct Library {
    Library() : path(fresh_folder("ugraph-library-")), data(path / "graphs.txt") {
        std::ofstream(data, std::ios::binary) << LIBRARY;
        std::ofstream(path / "graphs.txt.bak", std::ios::binary) << OLDER_BACKUP;
    }
    ~Library() { fs::remove_all(path); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    std::string backup() const { return content_of(path / "graphs.txt.bak"); }
    // Nothing of the old content lost, no older backup replaced.
    void expect_kept(const std::string& why) const {
        EXPECT_EQ(content_of(data), LIBRARY) << why;
        EXPECT_EQ(backup(), OLDER_BACKUP) << why;
    }

    fs::path path;
    fs::path data;
    std::string file = data.string();
};

// The command with `-f FILE` of a fresh library added.
Ran run(const Library& library, std::vector<const char*> args,
        const Platform& platform = system_platform()) {
    args.push_back("-f");
    args.push_back(library.file.c_str());
    std::istringstream in;
    return run_ugraph(std::move(args), in, platform);
}

// Done silently, the file then `after` and the backup the old content.
void expect_edited(const std::vector<const char*>& args, const std::string& after) {
    const Library library;
    const Ran r = run(library, args);
    EXPECT_EQ(r.status, 0) << args[0] << ' ' << r.err;
    EXPECT_EQ(r.out + r.err, "") << args[0];
    EXPECT_EQ(content_of(library.data), after) << args[0] << ' ' << args[1];
    EXPECT_EQ(library.backup(), LIBRARY) << args[0] << ' ' << args[1];
}

// Refused with status 2 and the one line `told` (the file's name standing
// for F), the library as it was.
void expect_refused(const std::vector<const char*>& args, const std::string& told) {
    const Library library;
    const Ran r = run(library, args);
    std::string line = told;
    if (const std::size_t at = line.find(" F:"); at != std::string::npos) {
        line.replace(at + 1, 1, library.file);
    }
    EXPECT_EQ(r.status, 2) << told;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "ugraph: " + line + "\n");
    library.expect_kept(told);
}

TEST(LibraryCommands, DeleteTakesAloneLinesWholeAndTextsBesideOthersAlone) {
    expect_edited({"delete", "3", "2", "5", "3"},
                  "Graphs of the course\r\n"
                  "[u \"Path\" ,(1)2 3,(2)]\r\n"
                  "Triangle:  for later\r\n"
                  "[U \"K2\", (1),2] \r\n"
                  "\x1a[U \"after the end\"]\r\n");
    expect_edited({"delete", "1", "2", "3", "4", "5"},
                  "Graphs of the course\r\nTriangle:  for later\r\n \r\n"
                  "\x1a[U \"after the end\"]\r\n");

    expect_refused({"delete", "2", "6"},
                   "nothing was deleted from F: there is no data-input 6; the data file holds 5");
    expect_refused({"delete", "0"},
                   "nothing was deleted from F: there is no data-input 0; the data file holds 5");
    expect_refused({"delete", "1", "x"},
                   "delete takes numbers of data-inputs, not 'x' (see 'ugraph delete --help')");
    expect_refused({"delete"},
                   "delete needs the number N of a data-input (see 'ugraph delete --help')");
}

TEST(LibraryCommands, RenameChangesOnlyTheCharactersBetweenTheQuotes) {
    expect_edited({"rename", "1", "P3 path"}, replaced(LIBRARY, "\"Path\"", "\"P3 path\""));
    expect_edited({"rename", "4", ""}, replaced(LIBRARY, "\"K2\"", "\"\""));
    expect_edited({"rename", "3", "fifteen_chars_x"},
                  replaced(LIBRARY, "\"Star\"", "\"fifteen_chars_x\""));
    {
        // The name it holds already: the file untouched, the older backup kept.
        const Library library;
        const Ran r = run(library, {"rename", "3", "Star"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out + r.err, "");
        library.expect_kept("rename 3 Star");
    }

    expect_refused({"rename", "2", "sixteen_chars_xx"},
                   "rename refuses the name 'sixteen_chars_xx': the name has 16 characters; a "
                   "name holds at most 15 (see 'ugraph rename --help')");
    expect_refused({"rename", "2", "a\"b"},
                   "rename refuses the name 'a\"b': the name holds a double quote, which would "
                   "end it in the data file (see 'ugraph rename --help')");
    expect_refused({"rename", "5", "D"},
                   "nothing was renamed in F: data-input 5 has no name between two double quotes");
    expect_refused({"rename", "6", "x"},
                   "nothing was renamed in F: there is no data-input 6; the data file holds 5");
    expect_refused({"rename", "2"},
                   "rename needs the new NAME of data-input 2 (see 'ugraph rename --help')");
}

TEST(LibraryCommands, MoveTakesLinesWhereBothStandAloneAndTextsElse) {
    expect_edited({"move", "3", "1"},
                  "Graphs of the course\r\n"
                  "\t[U \"Star\", (1),2,3,4] \r\n"
                  "[u \"Path\" ,(1)2 3,(2)]\r\n"
                  "Triangle: [U \"Tri\", (1),2,3, (2),3, (3)] for later\r\n"
                  "[U \"K2\", (1),2] [D]\r\n"
                  "\x1a[U \"after the end\"]\r\n");
    expect_edited({"move", "2", "4"},
                  "Graphs of the course\r\n"
                  "[u \"Path\" ,(1)2 3,(2)]\r\n"
                  "Triangle:  for later\r\n"
                  "\t[U \"Star\", (1),2,3,4] \r\n"
                  "[U \"K2\", (1),2][U \"Tri\", (1),2,3, (2),3, (3)] [D]\r\n"
                  "\x1a[U \"after the end\"]\r\n");
    {
        // Nothing to move: the file untouched, the older backup kept.
        const Library library;
        const Ran r = run(library, {"move", "2", "2"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out + r.err, "");
        library.expect_kept("move 2 2");
    }
    expect_refused({"move", "6", "6"},
                   "nothing was moved in F: there is no data-input 6; the data file holds 5");

    expect_refused({"move", "1", "6"},
                   "nothing was moved in F: there is no data-input 6; the data file holds 5");
    expect_refused({"move", "+1", "2"},
                   "move takes numbers of data-inputs, not '+1' (see 'ugraph move --help')");
    expect_refused({"move", "1"},
                   "move needs the number N of a data-input and its new number M (see 'ugraph "
                   "move --help')");
}

// Another program's lock, a write that fails and a rename the folder
// refuses: each told in one line, the library as it was.
struct LockHeld : PassingPlatform {
    int lock(FileHandle /*file*/, LockMode /*mode*/,
             std::chrono::milliseconds /*patience*/) const override {
        return EWOULDBLOCK;
    }
};
struct RenameRefused : PassingPlatform {
    int rename(const Path& /*from*/, const Path& /*to*/) const override { return EACCES; }
};

TEST(LibraryCommands, AFailedReplacementLeavesTheLibraryAsItWas) {
    const WritesFail full(ENOSPC);
    const LockHeld held;
    const RenameRefused closed;
    for (const auto& args : std::vector<std::vector<const char*>>{
             {"delete", "2"}, {"rename", "2", "x"}, {"move", "1", "3"}}) {
        {
            const Library library;
            const Ran r = run(library, args, full);
            EXPECT_EQ(r.status, 2) << args[0];
            EXPECT_EQ(r.err, "ugraph: cannot write file " + library.file +
                                 " (No space left on device); it was left as it was\n");
            library.expect_kept(args[0]);
        }
        {
            const Library library;
            const Ran r = run(library, args, held);
            EXPECT_EQ(r.status, 2) << args[0];
            EXPECT_EQ(r.err, "ugraph: " + library.file +
                                 " is in use by another program; waiting up to 10 seconds for "
                                 "it\nugraph: " +
                                 library.file +
                                 " is still in use by another program after 10 seconds; it was "
                                 "left as it was\n");
            library.expect_kept(args[0]);
        }
        {
            const Library library;
            const Ran r = run(library, args, closed);
            EXPECT_EQ(r.status, 2) << args[0];
            EXPECT_NE(r.err.find("Permission denied"), std::string::npos) << r.err;
            library.expect_kept(args[0]);
        }
        // Standard input cannot be written back.
        {
            const Library library;
            std::vector<const char*> from_input = args;
            from_input.insert(from_input.begin(), "ugraph");
            from_input.push_back("-f");
            from_input.push_back("-");
            std::istringstream in(LIBRARY);
            std::ostringstream out;
            std::ostringstream err;
            EXPECT_EQ(run_in_context(from_input, in, out, err), 2);
            EXPECT_EQ(err.str(), "ugraph: " + std::string(args[0]) +
                                     " rewrites the data file, which '-f -' cannot be (see "
                                     "'ugraph " +
                                     args[0] + " --help')\n");
            library.expect_kept(args[0]);
        }
        const Library missing;
        fs::remove(missing.data);
        const Ran r = run(missing, args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "ugraph: cannot read " + missing.file + " (No such file or directory)\n");
        EXPECT_FALSE(fs::exists(missing.data)) << args[0];
        // Nor is a folder made for it.
        const fs::path nowhere = missing.path / "no folder" / "graphs.txt";
        std::vector<const char*> elsewhere = args;
        elsewhere.insert(elsewhere.begin(), "ugraph");
        elsewhere.push_back("-f");
        const std::string name = nowhere.string();
        elsewhere.push_back(name.c_str());
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(run_in_context(elsewhere, in, out, err), 2);
        EXPECT_EQ(err.str(), "ugraph: cannot read " + name + " (No such file or directory)\n");
        EXPECT_FALSE(fs::exists(nowhere.parent_path()));
    }
}

}  // namespace
}  // namespace ugraph
