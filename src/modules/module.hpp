#pragma once
// Modules: the optional parts of ugraph, each over a library that only some
// commands need (the line editor over libedit), so that the library costs
// the other commands nothing. A module is built by cmake/Modules.cmake's
// ugraph_module(); on POSIX systems it is a shared module opened the first
// time a command asks for it, on Windows it is linked into the program.
//
// A module's interface is a struct of function pointers with a NAME, the
// module's name (a C identifier), declared in a header both sides include:
//     struct LineEditorModule {
//         static constexpr const char* NAME = "line_editor";
//         std::unique_ptr<LineEditor> (*open_terminal_editor)();
//     };
// The module defines it once, with UGRAPH_MODULE_ENTRY(line_editor,
// LineEditorModule, &open_libedit_editor), and a command takes it with
//     Result<const LineEditorModule*> editor = load_module<LineEditorModule>();
//
//   load_module    the module's interface, loaded once and kept for the
//                  program's life; or why it cannot be had, one clause
//                  ("the module line_editor is not installed (...)"). Safe
//                  to call from several threads.
//   open_module,   the same untyped, by name; and uncached, from given
//   open_module_in folders with a given stamp, for the tests.
//   module_stamp   the text a module must be built with to be taken: the
//                  program's version, so that a module of another
//                  installation is refused instead of called.
#include <filesystem>
#include <string_view>
#include <vector>

#include "common/result.hpp"

namespace ugraph {

// Each module's one C entry point: given the stamp of the program that opens
// it, its interface, or null when it was built for another program.
using ModuleEntry = const void* (*)(const char* stamp);

const char* module_stamp();

Result<const void*> open_module(std::string_view name);

Result<const void*> open_module_in(std::string_view name,
                                   const std::vector<std::filesystem::path>& folders,
                                   const char* stamp);

template <typename Interface>
Result<const Interface*> load_module() {
    Result<const void*> opened = open_module(Interface::NAME);
    if (!opened) {
        return opened.refusal();
    }
    return static_cast<const Interface*>(opened.value());
}

// Inline: a module links nothing of the program.
inline bool module_stamp_matches(const char* stamp, const char* built_with) {
    return stamp != nullptr && std::string_view(stamp) == std::string_view(built_with);
}

}  // namespace ugraph

// Defines the entry point of module NAME, whose interface INTERFACE is made
// of the remaining arguments. UGRAPH_MODULE_STAMP comes from ugraph_module().
#define UGRAPH_MODULE_ENTRY(NAME, INTERFACE, ...)                                                 \
    extern "C" const void* ugraph_module_##NAME(const char* stamp) {                              \
        static const INTERFACE interface { __VA_ARGS__ };                                         \
        return ::ugraph::module_stamp_matches(stamp, UGRAPH_MODULE_STAMP) ? &interface : nullptr; \
    }
