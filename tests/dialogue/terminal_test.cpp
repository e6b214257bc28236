#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {
namespace fs = std::filesystem;
using Dialogue = std::vector<std::pair<std::string, std::string>>;  // prompt, keys typed

// Reads the screen on until it ends with `prompt` and stays so for a while:
// the program waits behind the prompt. False if not so within 10 seconds.
bool shows(int terminal, std::string& screen, const std::string& prompt) {
    for (char chunk[4096];;) {
        const bool there = screen.ends_with(prompt);
        pollfd ready{terminal, POLLIN, 0};
        const ssize_t got =
            poll(&ready, 1, there ? 200 : 10000) == 1 ? read(terminal, chunk, sizeof chunk) : 0;
        if (got <= 0) {
            return there;
        }
        screen.append(chunk, static_cast<std::size_t>(got));
    }
}

// Runs the program in `folder` on a pseudo-terminal, typing each answer only
// once its prompt shows; gives the exit status. `screen` receives what a user
// sees: the output, the typed keys echoed, "\r\n" line ends.
int talk(const fs::path& folder, const Dialogue& dialogue, std::string& screen,
         const fs::path& program = UGRAPH_BINARY) {
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0) {
        if (chdir(folder.c_str()) == 0) {
            execl(program.c_str(), program.c_str(), nullptr);
        }
        _exit(127);
    }
    for (const auto& [prompt, keys] : dialogue) {
        if (!shows(terminal, screen, prompt)) {
            ADD_FAILURE() << "no prompt \"" << prompt << "\" at the end of:\n" << screen;
            break;
        }
        EXPECT_EQ(write(terminal, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }
    shows(terminal, screen, "\1");  // to the end of the output
    kill(pid, SIGKILL);             // a program still waiting now has hung
    int status = -1;
    waitpid(pid, &status, 0);
    close(terminal);
    return status;
}

fs::path scratch_folder() {
    std::string name = (fs::temp_directory_path() / "ugraph-tty-XXXXXX").string();
    return mkdtemp(name.data());
}

std::string file_text(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The answers that store a graph "Two" of two nodes and one link, the name
// typed as `name_keys`.
Dialogue two_nodes_named(const std::string& name_keys) {
    return {{"type F\r\n", "K\n"},
            {"Not exceeding 10 characters, input name of graph   ", name_keys},
            {"Input number of non-isolated nodes:  ", "2\n"},
            {"(1),", "2\n"},
            {"(2),", "\n"},
            {" if YES then press Y key. Pressing any other letter key means NO  ", "N\n"},
            {"(2)]\r\n", "\n"},
            {"(2)]\r\n\r\n", "\n"}};
}

TEST(Terminal, EveryPromptShowsBeforeTheProgramWaits) {
    const fs::path folder = scratch_folder();
    const std::string change = " if YES then press Y key. Pressing any other letter key means NO  ";
    const std::string saved = "[U \"Two\", (1),2, (2)]\r\n";
    std::string keyed;
    EXPECT_EQ(talk(folder,
                   {{"type F\r\n", "K\n"},
                    {"Not exceeding 10 characters, input name of graph   ", "Two\n"},
                    {"Input number of non-isolated nodes:  ", "2\n"},
                    {"(1),", "2\n"},
                    {"(2),", "\n"},
                    {change, "N\n"},
                    {saved, "\n"},
                    {saved + "\r\n", "\n"}},
                   keyed),
              0);
    EXPECT_NE(keyed.find("Ufile Two     2 Nodes   1 Links\r\n"), std::string::npos);

    std::string loaded;
    EXPECT_EQ(talk(folder,
                   {{"type F\r\n", "F\n"},
                    {"Input number before the selected data-input (zero to abort):\r\n", "1\n"},
                    {change, "n\n"},
                    {saved, "\n"},
                    {saved + "\r\n", "\n"}},
                   loaded),
              0);
    EXPECT_NE(loaded.find("1  " + saved + "\r\nInput number"), std::string::npos);
    fs::remove_all(folder);
}

// The line editor is a module that the program finds beside itself in the
// build tree; copied alone, the program has none, and reads the terminal's
// lines as they come, the dialogue whole all the same.
TEST(Terminal, TheLineEditorModuleEditsTheLineAndWithoutItTheDialogueStillRuns) {
    const fs::path folder = scratch_folder();
    std::string screen;
    // Two, the left arrow twice, X: TXwo.
    EXPECT_EQ(talk(folder, two_nodes_named("Two\x1b[D\x1b[DX\n"), screen), 0);
    EXPECT_EQ(file_text(folder / "GraphDataFile2.txt"), "[U \"TXwo\", (1),2, (2)]");

    const fs::path alone = folder / "alone";
    fs::create_directory(alone);
    fs::copy_file(UGRAPH_BINARY, alone / "ugraph");
    fs::remove(folder / "GraphDataFile2.txt");
    EXPECT_EQ(talk(folder, two_nodes_named("Two\n"), screen, alone / "ugraph"), 0);
    EXPECT_EQ(file_text(folder / "GraphDataFile2.txt"), "[U \"Two\", (1),2, (2)]");
    fs::remove_all(folder);
}

}  // namespace
