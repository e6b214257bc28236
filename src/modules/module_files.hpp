#pragma once
// Where the modules of src/modules/module.hpp are found: the one place that
// meets the system's loader, with a side for each system (posix/: dlopen;
// windows/: the modules linked into the program, see cmake/Modules.cmake).
//
//   module_folders     where this program's modules are looked for: beside
//                      the running program (the build tree), then the
//                      folder they are installed in, found from the running
//                      program's own path (bin/../lib/ugraph); none where
//                      the modules are linked in.
//   find_module_entry  the entry point of module NAME, from the first of
//                      `folders` that holds its file; or why there is none
//                      (not installed, or a file the loader refused), in one
//                      clause.
#include <filesystem>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "modules/module.hpp"

namespace ugraph {

std::vector<std::filesystem::path> module_folders();

Result<ModuleEntry> find_module_entry(std::string_view name,
                                      const std::vector<std::filesystem::path>& folders);

}  // namespace ugraph
