#include "cli/command_output.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../storage/passing_platform.hpp"
#include "cli/command_line.hpp"
#include "storage/output_buffer.hpp"
#include "support/fresh_folder.hpp"
#include "support/run_in_context.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

TEST(CommandOutput, AWriteThatFailsIsAFailureAndAClosedPipeEndsQuietly) {
    for (const int error : {ENOSPC, EBADF, EPIPE}) {
        const WritesFail platform(error);
        OutputBuffer buffer(platform, platform.standard_output());
        std::ostream out(&buffer);
        std::ostringstream err;
        for (int line = 0; line < 10000 && !output_failed(out); ++line) {
            out << "a line of the listing\n";
        }
        EXPECT_TRUE(output_failed(out));
        EXPECT_EQ(platform.tries, 1);  // nothing more is tried once a write failed
        const int status = finish_output(out, err, 0);
        if (error == EPIPE) {
            EXPECT_EQ(status, EXIT_CLOSED_PIPE);
            EXPECT_EQ(err.str(), "");
        } else {
            EXPECT_EQ(status, 2);
            EXPECT_EQ(err.str(), "ugraph: cannot write to standard output (" +
                                     platform.describe(error) + ")\n");
        }
    }
    std::ostringstream fine;
    std::ostringstream err;
    fine << "all of it";
    EXPECT_EQ(finish_output(fine, err, 1), 1);
    EXPECT_EQ(err.str(), "");
}

Ran run(std::vector<const char*> args) { return run_ugraph(std::move(args)); }

struct Folder {
    Folder() : path(fresh_folder("ugraph-output-")) {}
    ~Folder() { fs::remove_all(path); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    fs::path path;
};

TEST(CommandOutput, ExportNeverWritesOverTheDataFileAndTakesDashForStandardOutput) {
    const Folder d;
    const std::string data = (d.path / "graphs.txt").string();
    const std::string link = (d.path / "second link").string();
    std::ofstream(data) << "[U \"a\", (1),2, (2)]\n";
    fs::create_hard_link(data, link);
    const Ran refused =
        run({"export", "all", "--to", "graph6", "-f", data.c_str(), "-o", link.c_str()});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err,
              "ugraph: -o " + link + " is the data file " + data +
                  " (the same file); -o never writes over it, so nothing was written\n");
    EXPECT_EQ(std::ifstream(data).rdbuf() != nullptr, true);
    std::ifstream kept(data);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "[U \"a\", (1),2, (2)]\n");
    EXPECT_FALSE(fs::exists(data + ".bak"));

    const Ran dash = run({"export", "1", "--to", "graph6", "-f", data.c_str(), "-o", "-"});
    EXPECT_EQ(dash.status, 0);
    EXPECT_EQ(dash.out, "A_\n");
    EXPECT_FALSE(fs::exists("-"));
}

TEST(CommandOutput, ShowAndExportReadTheirNumberInDecimalOnly) {
    const Folder d;
    const std::string data = (d.path / "graphs.txt").string();
    std::ofstream out(data);
    for (int k = 1; k <= 10; ++k) {
        out << "[U \"g" << k << "\", (1),2, (2)]\n";
    }
    out.close();
    EXPECT_TRUE(run({"show", "010", "-f", data.c_str()}).out.starts_with("Ufile g10 "));
    EXPECT_EQ(run({"export", "010", "--to", "dot", "-f", data.c_str()}).out,
              run({"export", "10", "--to", "dot", "-f", data.c_str()}).out);
    for (const char* number : {"0x3", "+3", " 3", "3.0", "three"}) {
        const Ran shown = run({"show", number, "-f", data.c_str()});
        EXPECT_EQ(shown.status, 2);
        EXPECT_EQ(shown.err, "ugraph: show takes the number of a data-input, not '" +
                                 std::string(number) + "' (see 'ugraph show --help')\n");
        EXPECT_EQ(run({"export", number, "--to", "dot", "-f", data.c_str()}).status, 2);
    }
}

}  // namespace
}  // namespace ugraph
