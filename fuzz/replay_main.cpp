// A main for the fuzz targets in builds without libFuzzer: runs the target
// once over every file of the folders (or over the files) named on the
// command line, so each test run replays the checked-in corpus. Naming no
// input at all fails, so a lost corpus cannot pass for a clean one.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int a = 1; a < argc; ++a) {
        if (!std::filesystem::exists(argv[a])) {
            std::cerr << "no such input: " << argv[a] << '\n';
            return 1;
        }
        if (!std::filesystem::is_directory(argv[a])) {
            files.emplace_back(argv[a]);
            continue;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[a])) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::cout << "replaying " << file.string() << std::endl;
        replay(file);
    }
    std::cout << "replayed " << files.size() << " inputs" << std::endl;
    return files.empty() ? 1 : 0;
}
