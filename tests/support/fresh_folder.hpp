#pragma once
// fresh_folder: a new, empty folder under the system's temporary folder (or
// another), its name the prefix and a random number, for a test to work in;
// removing it is the test's part. (mkdtemp would do on POSIX alone.)
#include <filesystem>
#include <random>
#include <string>

namespace ugraph {

inline std::filesystem::path fresh_folder(
    const std::string& prefix,
    const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
    static std::mt19937 draw{std::random_device{}()};
    for (;;) {
        std::filesystem::path path = base / (prefix + std::to_string(draw()));
        if (std::filesystem::create_directory(path)) {
            return path;
        }
    }
}

}  // namespace ugraph
