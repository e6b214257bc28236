#include <gtest/gtest.h>

#include <string>

#include "modules/module.hpp"
#include "modules/probe_module.hpp"

namespace {
using ugraph::module_stamp;
using ugraph::open_module_in;

// The build's modules sit beside the program (linked into it on Windows).
const std::vector<std::filesystem::path> BUILD_FOLDER{UGRAPH_MODULE_FOLDER};

TEST(Modules, AModuleGivesItsInterfaceAndRunsItsFunctions) {
    const auto opened = open_module_in("probe", BUILD_FOLDER, module_stamp());
    ASSERT_TRUE(opened) << opened.reason();
    const auto* probe = static_cast<const ugraph::ProbeModule*>(opened.value());
    EXPECT_EQ(probe->greet("ugraph"), "hello, ugraph");
    // Opened again, it is the same module.
    EXPECT_EQ(open_module_in("probe", BUILD_FOLDER, module_stamp()).value(), opened.value());
}

TEST(Modules, AModuleOfAnotherVersionOrNoneAtAllIsOneClauseNamingIt) {
    const auto other = open_module_in("probe", BUILD_FOLDER, "ugraph 0.9.0");
    ASSERT_FALSE(other);
    EXPECT_EQ(other.reason(),
              "the module probe belongs to another version of ugraph; install this one's modules "
              "again");

    const auto absent = open_module_in("absent", BUILD_FOLDER, module_stamp());
    ASSERT_FALSE(absent);
    EXPECT_EQ(absent.reason().rfind("the module absent is not ", 0), 0U) << absent.reason();
    EXPECT_EQ(absent.reason().find('\n'), std::string::npos);
}

TEST(Modules, TheStampIsTheProgramsVersion) {
    EXPECT_EQ(std::string(module_stamp()).rfind("ugraph ", 0), 0U);
    EXPECT_TRUE(ugraph::module_stamp_matches(module_stamp(), module_stamp()));
    EXPECT_FALSE(ugraph::module_stamp_matches(nullptr, module_stamp()));
    EXPECT_FALSE(ugraph::module_stamp_matches("ugraph 1", "ugraph 1.1"));
}

}  // namespace
