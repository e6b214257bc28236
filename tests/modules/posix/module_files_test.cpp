#include "modules/module_files.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "console/line_editor_module.hpp"
#include "modules/module.hpp"
#include "support/fresh_folder.hpp"

namespace {
namespace fs = std::filesystem;
using ugraph::open_module_in;

struct Scratch {
    fs::path path = ugraph::fresh_folder("ugraph-module-");
    Scratch() = default;
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() { fs::remove_all(path); }
};

TEST(ModuleFiles, AreLookedForBesideTheProgramThenInItsInstalledFolder) {
    const std::vector<fs::path> folders = ugraph::module_folders();
    ASSERT_EQ(folders.size(), 2U);
    EXPECT_TRUE(fs::exists(folders[0] / "ugraph_tests")) << folders[0];
    EXPECT_EQ(folders[1], (folders[0] / ".." / "lib" / "ugraph").lexically_normal());
}

TEST(ModuleFiles, TheFirstFolderHoldingTheModuleGivesIt) {
    const Scratch empty;
    const auto opened = open_module_in(ugraph::LineEditorModule::NAME,
                                       {empty.path, UGRAPH_MODULE_FOLDER}, ugraph::module_stamp());
    ASSERT_TRUE(opened) << opened.reason();
    EXPECT_NE(static_cast<const ugraph::LineEditorModule*>(opened.value())->open_terminal_editor,
              nullptr);

    const auto absent = open_module_in("absent", {empty.path}, ugraph::module_stamp());
    EXPECT_EQ(absent.reason(), "the module absent is not installed (no ugraph_absent.so in " +
                                   empty.path.string() + ")");
    EXPECT_EQ(open_module_in("absent", {}, ugraph::module_stamp()).reason(),
              "the module absent is not installed (no ugraph_absent.so in no folder: the "
              "program's own path is unknown)");
}

// What stands at a module's name and is none: refused in one clause, and
// the folders after it are not tried.
TEST(ModuleFiles, AFileThatIsNoModuleOfOursIsRefused) {
    const Scratch folder;
    std::ofstream(folder.path / "ugraph_probe.so") << "not a shared object\n";
    const auto text =
        open_module_in("probe", {folder.path, UGRAPH_MODULE_FOLDER}, ugraph::module_stamp());
    ASSERT_FALSE(text);
    EXPECT_EQ(text.reason().rfind("the module probe cannot be loaded: ", 0), 0U) << text.reason();
    EXPECT_EQ(text.reason().find('\n'), std::string::npos);

    // A shared object, but with another module's entry.
    fs::copy_file(fs::path(UGRAPH_MODULE_FOLDER) / "ugraph_line_editor.so",
                  folder.path / "ugraph_probe.so", fs::copy_options::overwrite_existing);
    const auto other = open_module_in("probe", {folder.path}, ugraph::module_stamp());
    EXPECT_EQ(other.reason(), "the module probe at " + (folder.path / "ugraph_probe.so").string() +
                                  " is not one of ugraph's");
}

}  // namespace
