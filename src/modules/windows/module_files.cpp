// Windows: the program is one static executable (mingw-w64), so each module
// is linked into it, and its entry point is found in the table that
// cmake/Modules.cmake writes of the modules of this build.
#include "modules/module_files.hpp"

#include <string>

#include "modules/windows/static_modules.hpp"

namespace ugraph {

std::vector<std::filesystem::path> module_folders() { return {}; }

Result<ModuleEntry> find_module_entry(std::string_view name,
                                      const std::vector<std::filesystem::path>& /*folders*/) {
    for (const StaticModule* module = STATIC_MODULES; module->name != nullptr; ++module) {
        if (name == module->name) {
            return module->entry;
        }
    }
    return refused("the module " + std::string(name) + " is not part of this build for Windows");
}

}  // namespace ugraph
