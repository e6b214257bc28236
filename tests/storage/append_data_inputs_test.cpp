#include "storage/append_data_inputs.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <utility>

#include "save_folder.hpp"

namespace ugraph {
namespace {
namespace fs = std::filesystem;

struct FailReads : PassingPlatform {
    int read_at(FileHandle /*file*/, std::uint64_t /*offset*/, char* /*data*/, std::size_t /*size*/,
                std::size_t& /*got*/) const override {
        return EIO;
    }
};

std::string told(const Result<ReplaceReport>& appended) {
    return appended ? "appended" : appended.reason();
}

TEST(AppendDataInputs, GoOnALineOfTheirOwnBeforeAnyCtrlZ) {
    const std::pair<std::string, std::string> appended_to[] = {
        {"A\n", "A\nB\n"},  // no blank line before them
        {"A", "A\nB\n"},
        {"A\r\n", "A\r\nB\n"},
        {"", "B\n"},
        {"A\n\x1a", "A\nB\n\x1a"},
        {"A\x1a[U \"hidden\"]\n", "A\nB\n\x1a[U \"hidden\"]\n"},
        {"\x1a", "B\n\x1a"},
        {"[U \"a\", (1)]", "[U \"a\", (1)]\nB\n"},
    };
    for (const auto& [before, after] : appended_to) {
        const SaveFolder d;
        d.lay(before);
        EXPECT_EQ(told(append_data_inputs(d.file, "B\n", system_platform(), {})), "appended");
        EXPECT_EQ(found(d.file), after) << before;
        EXPECT_EQ(found(d.backup()), before);
    }
    const SaveFolder d;  // a missing data file is made
    EXPECT_EQ(told(append_data_inputs(d.file, "B\n", system_platform(), {})), "appended");
    EXPECT_EQ(found(d.file), "B\n");
}

TEST(AppendDataInputs, RefusedWithTheFileKept) {
    const SaveFolder d;
    const std::string name = d.file.string();
    d.lay("[U \"a\", (1)");
    EXPECT_EQ(told(append_data_inputs(d.file, "B\n", system_platform(), {})),
              name + " ends inside a data-input that is not closed by ']'; nothing was appended");
    EXPECT_EQ(found(d.file), "[U \"a\", (1)");

    d.lay("A\n");
    EXPECT_EQ(told(append_data_inputs(d.file, "B\n", FailReads(), {})),
              "cannot read " + name + " (Input/output error)");
    EXPECT_EQ(found(d.file), "A\n");

    fs::remove(d.file);
    fs::create_directory(d.file);
    EXPECT_EQ(told(append_data_inputs(d.file, "B\n", system_platform(), {})),
              "cannot read " + name + " (Is a directory)");

    fs::remove(d.file);
    EXPECT_EQ(told(append_data_inputs(d.file, "B\n", FolderRefusesNewFiles(), {})),
              "cannot write in the folder of " + name + " (Permission denied); " + name +
                  " was left as it was");
    EXPECT_EQ(d.entries(), 0);
}

}  // namespace
}  // namespace ugraph
