#pragma once
// A scratch folder to save the graph of SAVED into, through any platform,
// for the tests of a save.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "dialogue/save_data_input.hpp"
#include "passing_platform.hpp"
#include "support/fresh_folder.hpp"
#include "support/graph_of.hpp"

namespace ugraph {

inline const std::string SAVED = "[U \"new\", (1),2,3, (2), (3)]";

// The file's number on its device, to tell a second link from a copy.
inline std::uint64_t inode_of(const std::filesystem::path& file) {
    FileStatus status;
    (void)system_platform().status(file, status);
    return status.inode;
}

// What stands at the path: a file's bytes, or "<folder>".
inline std::string found(const std::filesystem::path& at) {
    std::ifstream in(at, std::ios::binary);
    return std::filesystem::is_directory(at) ? "<folder>"
                                             : std::string(std::istreambuf_iterator<char>(in), {});
}

struct SaveFolder {
    SaveFolder() : path(fresh_folder("ugraph-save-")), file(path / "GraphDataFile2.txt") {}
    ~SaveFolder() { std::filesystem::remove_all(path); }
    SaveFolder(const SaveFolder&) = delete;
    SaveFolder& operator=(const SaveFolder&) = delete;

    long entries() const { return std::distance(std::filesystem::directory_iterator(path), {}); }
    std::filesystem::path backup() const { return path / "GraphDataFile2.txt.bak"; }
    void lay(const std::string& content) const { std::ofstream(file, std::ios::binary) << content; }

    // Saves the graph of SAVED with Enter typed at the pause; gives "saved"
    // and any note, then what went to standard error; or what the user saw
    // when the save failed.
    std::string save(const Platform& platform = system_platform()) const {
        const UGraph graph = graph_of(3, "new", {{1, 2}, {1, 3}});
        std::istringstream typed("\n");
        std::ostringstream shown;
        std::ostringstream noted;
        Console console(typed, shown);
        // Relative to the folder, so that messages name the file as the dialogue does.
        const std::filesystem::path here = std::filesystem::current_path();
        std::filesystem::current_path(path);
        const bool saved = save_data_input(console, noted, graph, "GraphDataFile2.txt", platform);
        std::filesystem::current_path(here);
        return saved ? "saved" + shown.str().substr(SAVED.size() + 1) + noted.str()
                     : shown.str() + noted.str();
    }

    std::filesystem::path path, file;
};

}  // namespace ugraph
