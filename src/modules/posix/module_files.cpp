// POSIX: each module is a shared module, ugraph_NAME.so, opened with dlopen
// when it is first asked for.
#include "modules/module_files.hpp"

#include <dlfcn.h>

#include <string>
#include <system_error>

namespace ugraph {
namespace {

namespace fs = std::filesystem;

std::string module_file_name(std::string_view name) {
    return "ugraph_" + std::string(name) + ".so";
}

std::string listed(const std::vector<fs::path>& folders) {
    std::string text;
    for (const fs::path& folder : folders) {
        text += (text.empty() ? "" : " or ") + folder.string();
    }
    return text.empty() ? "no folder: the program's own path is unknown" : text;
}

}  // namespace

std::vector<fs::path> module_folders() {
    // Linux names the running program's file here, whatever its caller's
    // argv[0] said and however it was reached (a link, the PATH).
    std::error_code failed;
    const fs::path program = fs::read_symlink("/proc/self/exe", failed);
    if (failed) {
        return {};
    }
    const fs::path folder = program.parent_path();
    return {folder, (folder / UGRAPH_MODULES_FROM_PROGRAM).lexically_normal()};
}

Result<ModuleEntry> find_module_entry(std::string_view name, const std::vector<fs::path>& folders) {
    const std::string file = module_file_name(name);
    for (const fs::path& folder : folders) {
        const fs::path path = folder / file;
        std::error_code failed;
        if (!fs::exists(path, failed)) {
            continue;
        }
        // Every symbol bound now, so that a module missing a library of its
        // own is refused here rather than failing in the middle of a command.
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* why = dlerror();
            return refused("the module " + std::string(name) +
                           " cannot be loaded: " + (why != nullptr ? why : path.string()));
        }
        const std::string symbol = "ugraph_module_" + std::string(name);
        void* entry = dlsym(module, symbol.c_str());
        if (entry == nullptr) {
            dlclose(module);
            return refused("the module " + std::string(name) + " at " + path.string() +
                           " is not one of ugraph's");
        }
        // POSIX gives a function as an object pointer; this is its one way back.
        return reinterpret_cast<ModuleEntry>(
            entry);  // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
    }
    return refused("the module " + std::string(name) + " is not installed (no " + file + " in " +
                   listed(folders) + ")");
}

}  // namespace ugraph
