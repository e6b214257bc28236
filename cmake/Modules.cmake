# ugraph_module(NAME SOURCES file... [LIBRARIES target...] [NO_INSTALL])
#
# One optional part of the program, over a library that only some commands
# need, taken in C++ through load_module<Interface>() (src/modules/module.hpp)
# when such a command runs, so that the library costs the other commands
# nothing. The sources define the module's entry with UGRAPH_MODULE_ENTRY.
#  - POSIX systems: a shared module, ugraph_NAME.so, linked against its
#    LIBRARIES; in the build tree beside the program, installed under
#    <libdir>/ugraph/, which the program finds from its own path.
#  - Windows: mingw-w64 builds one static executable, so the module is a
#    static library linked into ugraph_core and listed in the table of
#    static modules written at the end of the configure.
# NO_INSTALL: a module of the tests, built but never installed.
set(UGRAPH_MODULE_STAMP "ugraph ${PROJECT_VERSION}")
if(NOT WIN32)
  include(GNUInstallDirs)
  set(UGRAPH_INSTALL_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/ugraph)
  # The installed modules' folder seen from the installed program's; it holds
  # wherever the package is installed, as both move together.
  file(RELATIVE_PATH UGRAPH_MODULES_FROM_PROGRAM /prefix/${CMAKE_INSTALL_BINDIR}
       /prefix/${UGRAPH_INSTALL_MODULE_DIR})
endif()

function(ugraph_module name)
  cmake_parse_arguments(PARSE_ARGV 1 module "NO_INSTALL" "" "SOURCES;LIBRARIES")
  set(target ugraph_${name})
  if(WIN32)
    add_library(${target} STATIC ${module_SOURCES})
    set_property(GLOBAL APPEND PROPERTY UGRAPH_STATIC_MODULES ${name})
  else()
    add_library(${target} MODULE ${module_SOURCES})
    set_target_properties(${target} PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
    if(NOT module_NO_INSTALL)
      install(TARGETS ${target} LIBRARY DESTINATION ${UGRAPH_INSTALL_MODULE_DIR})
    endif()
  endif()
  # The program's headers, none of its code: a module links only its library.
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_compile_definitions(${target} PRIVATE UGRAPH_MODULE_STAMP="${UGRAPH_MODULE_STAMP}")
  target_link_libraries(${target} PRIVATE ${module_LIBRARIES})
endfunction()

# Windows: the table of the modules linked in, once every ugraph_module() of
# the configure has run.
function(ugraph_write_static_modules)
  get_property(names GLOBAL PROPERTY UGRAPH_STATIC_MODULES)
  set(declarations "")
  set(rows "")
  foreach(name IN LISTS names)
    string(APPEND declarations "extern \"C\" const void* ugraph_module_${name}(const char* stamp);\n")
    string(APPEND rows "    {\"${name}\", &ugraph_module_${name}},\n")
    target_link_libraries(ugraph_core PRIVATE ugraph_${name})
  endforeach()
  set(table ${PROJECT_BINARY_DIR}/static_modules.cpp)
  file(CONFIGURE OUTPUT ${table} CONTENT
"// Written by cmake/Modules.cmake: the modules linked into this build.
#include \"modules/windows/static_modules.hpp\"

@declarations@
namespace ugraph {

const StaticModule STATIC_MODULES[] = {
@rows@    {nullptr, nullptr},
};

}  // namespace ugraph
" @ONLY)
  target_sources(ugraph_core PRIVATE ${table})
endfunction()
if(WIN32)
  cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL ugraph_write_static_modules)
endif()
