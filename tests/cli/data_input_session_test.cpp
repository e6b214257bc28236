// edit and add in process: the one data-input changed and every other byte
// kept, the refusals that leave the file as it was, and a save refused when
// another program changed the file while the user typed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../storage/passing_platform.hpp"
#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

constexpr const char* LIBRARY =
    "Graphs\r\n[U \"a\", (1),2, (2)]\r\nx [U \"b\", (1),2, (2),3, (3)] y\r\n"
    "[U \"nodes\", (1), (2)]\r\n[D \"other\", (1),2]\r\n\x1a[U \"after\", (1),2]\r\n";

struct Library {
    Library() : path(fresh_folder("ugraph-session-")), data(path / "lib.txt") { lay(LIBRARY); }
    ~Library() { fs::remove_all(path); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    void lay(const std::string& text) const { std::ofstream(data, std::ios::binary) << text; }
    bool backed_up() const { return fs::exists(data.string() + ".bak"); }
    fs::path path;
    fs::path data;
    std::string file = data.string();
};

Ran run(std::vector<const char*> args, std::istream& in,
        const Platform& platform = system_platform()) {
    return run_ugraph(std::move(args), in, platform);
}

Ran run(const std::vector<const char*>& args, const std::string& typed = "") {
    return run_ugraph(args, typed);
}

// The answers of a user, and before the first of them is read another
// program's change to the file.
class ChangedWhileTyping : public std::streambuf {
public:
    ChangedWhileTyping(std::string typed, std::function<void()> change)
        : typed_(std::move(typed)), change_(std::move(change)) {}

protected:
    int_type underflow() override {
        if (!change_) {
            return traits_type::eof();
        }
        std::exchange(change_, nullptr)();
        setg(typed_.data(), typed_.data(), typed_.data() + typed_.size());
        return traits_type::to_int_type(typed_.front());
    }

private:
    std::string typed_;
    std::function<void()> change_;
};

TEST(EditSession, ReplacesOnlyItsDataInputAtTheConsoleAndOpensOneWithoutLinks) {
    const Library d;
    // Node 1 of "b" is given node 3 beside node 2.
    Ran r = run({"edit", "2", "-f", d.file.c_str()}, "Y\n1\n2 3\n0\nN\n\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(
        r.out.starts_with("Input-data from file is:\n[U \"b\", (1),2, (2),3, (3)]\n"
                          "Ufile b     3 Nodes   2 Links\n"))
        << r.out;
    EXPECT_TRUE(r.out.ends_with("[U \"b\", (1),2,3, (2),3, (3)]\n")) << r.out;
    std::string expected = LIBRARY;
    const std::string before = "[U \"b\", (1),2, (2),3, (3)]";
    expected.replace(expected.find(before), before.size(), "[U \"b\", (1),2,3, (2),3, (3)]");
    EXPECT_EQ(content_of(d.data), expected);
    EXPECT_EQ(content_of(d.data.string() + ".bak"), LIBRARY);

    // Nodes and no link: the dialogue would not load it, edit opens it.
    r = run({"edit", "3", "-f", d.file.c_str()}, "Y\n1\n2\n0\nN\n\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(content_of(d.data).find("[U \"nodes\", (1),2, (2)]\r\n"), std::string::npos);
}

TEST(EditSession, RefusesWhatCannotBeEditedAndWritesNothing) {
    const Library d;
    struct Case {
        std::vector<const char*> args;
        int status;
        std::string told;
    };
    const std::string f = d.file;
    const std::vector<Case> cases = {
        {{"edit", "9"}, 2, f + " holds 4 data-inputs; there is no data-input 9"},
        {{"edit", "9", "--name", "x"}, 2, "there is no data-input 9; the data file holds 4"},
        {{"edit", "4"}, 1, "data-input 4 cannot be loaded"},
        {{"edit", "4", "--link", "1-2"}, 1, "data-input 4 cannot be loaded"},
        {{"edit", "2", "--link", "3-51"}, 2, "--link 3-51: node 51 in '3-51'"},
        {{"edit", "2", "--link", "1-3", "--unlink", "1-3"}, 2, "also given to --link"},
        {{"edit", "2", "--name", "a\"b"}, 2, "--name: the name holds a double quote"},
        {{"edit", "2", "--name", "sixteen chars..."}, 2, "--name: the name has 16 characters"},
        {{"edit", "2", "--unlink", "9"}, 2, "'9' is not two node numbers"},
        {{"edit", "x"}, 2, "edit takes the number of a data-input, not 'x'"},
        {{"edit", "2", "-f", "-"}, 2, "'-f -' cannot be"},
        {{"add", "-f", "-"}, 2, "'-f -' cannot be"},
    };
    for (const Case& c : cases) {
        std::vector<const char*> args = c.args;
        if (std::string(args.back()) != "-") {
            args.insert(args.end(), {"-f", f.c_str()});
        }
        const Ran r = run(args, "Y\n");
        EXPECT_EQ(r.status, c.status) << c.told;
        EXPECT_NE(r.err.find(c.told), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // one line
        EXPECT_EQ(r.out, "") << c.told;
        EXPECT_EQ(content_of(d.data), LIBRARY) << c.told;
        EXPECT_FALSE(d.backed_up()) << c.told;
    }
}

TEST(EditSession, AScriptEditKeepsTheFileWhenItsWriteFails) {
    const Library d;
    std::istringstream none;
    const WritesFail platform(ENOSPC);
    const Ran r = run({"edit", "2", "--link", "1-3", "-f", d.file.c_str()}, none, platform);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
    EXPECT_EQ(content_of(d.data), LIBRARY);
}

TEST(EditSession, ASaveAfterAnotherProgramChangedTheFileIsRefused) {
    const Library d;
    const std::string changed = std::string(LIBRARY) + "[U \"new\", (1),2]\n";
    ChangedWhileTyping typed("N\n\n\n", [&] { d.lay(changed); });
    std::istream in(&typed);
    const Ran r = run({"edit", "1", "-f", d.file.c_str()}, in);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(
        r.out.ends_with("[U \"a\", (1),2, (2)]\nError: another program changed the data "
                        "file after it was loaded; " +
                        d.file + " was left as it was\n"))
        << r.out;
    EXPECT_EQ(content_of(d.data), changed);
    EXPECT_FALSE(d.backed_up());
}

TEST(AddSession, AppendsTheTypedGraphOrNothingWhenInputEnds) {
    const Library d;
    Ran r = run({"add", "-f", d.file.c_str()}, "P\n2\n2\n\nN\n\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    std::string expected = LIBRARY;
    expected.insert(expected.find('\x1a'), "[U \"P\", (1),2, (2)]\n");
    EXPECT_EQ(content_of(d.data), expected);

    d.lay(LIBRARY);
    r = run({"add", "-f", d.file.c_str()}, "P\n2\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(content_of(d.data), LIBRARY);

    // A file that does not exist yet is made.
    const std::string fresh = (d.path / "new.txt").string();
    r = run({"add", "-f", fresh.c_str()}, "P\n2\n2\n\nN\n\n\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(content_of(fresh), "[U \"P\", (1),2, (2)]\n");
}

}  // namespace
}  // namespace ugraph
