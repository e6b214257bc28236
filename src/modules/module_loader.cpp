#include <map>
#include <mutex>
#include <string>

#include "modules/module.hpp"
#include "modules/module_files.hpp"

namespace ugraph {

const char* module_stamp() { return UGRAPH_MODULE_STAMP; }

Result<const void*> open_module_in(std::string_view name,
                                   const std::vector<std::filesystem::path>& folders,
                                   const char* stamp) {
    Result<ModuleEntry> entry = find_module_entry(name, folders);
    if (!entry) {
        return entry.refusal();
    }
    const void* interface = entry.value()(stamp);
    if (interface == nullptr) {
        return refused("the module " + std::string(name) +
                       " belongs to another version of ugraph; install this one's modules again");
    }
    return interface;
}

Result<const void*> open_module(std::string_view name) {
    // A module is opened once: its code stays for the program's life, as the
    // objects it made may still be in use; a refusal is kept as well.
    static std::mutex guard;
    static std::map<std::string, Result<const void*>, std::less<>> opened;
    const std::scoped_lock lock(guard);
    const auto known = opened.find(name);
    if (known != opened.end()) {
        return known->second;
    }
    Result<const void*> result = open_module_in(name, module_folders(), module_stamp());
    opened.emplace(std::string(name), result);
    return result;
}

}  // namespace ugraph
