#pragma once
// The data file's default name and the name of its backup.
#include <filesystem>
#include <string>
#include <string_view>

namespace ugraph {

inline constexpr const char* GRAPH_DATA_FILE = "GraphDataFile2.txt";

// Where a save keeps the content it replaces: beside the file, its name
// with ".bak" added.
inline std::string backup_name(std::string_view file) { return std::string(file) + ".bak"; }
inline std::filesystem::path backup_path(std::filesystem::path file) { return file += ".bak"; }

}  // namespace ugraph
