#pragma once
// The modules linked into a Windows build: STATIC_MODULES, written by
// cmake/Modules.cmake from every ugraph_module() of the build, ends with an
// entry whose name is null.
#include "modules/module.hpp"

namespace ugraph {

struct StaticModule {
    const char* name;
    ModuleEntry entry;
};

extern const StaticModule STATIC_MODULES[];

}  // namespace ugraph
