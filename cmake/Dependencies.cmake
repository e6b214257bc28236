# The libraries the build takes from the system, looked up in one place so
# that a missing one stops the configure with the Debian package that
# provides it, instead of CMake's list of config file names.
# `bash .ci/setup app` installs what the program needs, `bash .ci/setup test`
# what the tests and benchmarks need as well.

# The command line is parsed with CLI11, a header-only library.
if(WIN32)
  # It serves the Windows build too, but its CMake package adds -isystem
  # /usr/include, glibc's headers, which mingw must never see: that build
  # gets a copy of CLI11's headers alone.
  find_path(UGRAPH_CLI11_INCLUDE CLI/CLI.hpp PATHS /usr/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT UGRAPH_CLI11_INCLUDE)
    message(FATAL_ERROR
      "CLI11 not found: install the Debian package libcli11-dev (or run bash .ci/setup windows)")
  endif()
  file(COPY ${UGRAPH_CLI11_INCLUDE}/CLI DESTINATION ${PROJECT_BINARY_DIR}/cli11)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${PROJECT_BINARY_DIR}/cli11)
else()
  find_package(CLI11 CONFIG QUIET)
  if(NOT CLI11_FOUND)
    message(FATAL_ERROR
      "CLI11 not found: install the Debian package libcli11-dev (or run bash .ci/setup app)")
  endif()
endif()

# The dialogue edits typed lines with libedit, found through pkg-config;
# Windows leaves it out, as its console edits the line itself.
if(NOT WIN32)
  find_package(PkgConfig QUIET)
  if(PKG_CONFIG_FOUND)
    pkg_check_modules(LIBEDIT QUIET IMPORTED_TARGET libedit)
  endif()
  if(NOT LIBEDIT_FOUND)
    message(FATAL_ERROR
      "libedit not found: install the Debian packages libedit-dev and pkg-config (or run bash .ci/setup app)")
  endif()
endif()

# GraphML is read and written with pugixml, a real XML parser. Debian has
# none for mingw-w64: the Windows build compiles it from the Debian source
# package that bash .ci/setup windows fetches.
if(WIN32)
  set(UGRAPH_PUGIXML_SOURCE_DIR ${PROJECT_SOURCE_DIR}/build/sources/pugixml CACHE PATH
      "pugixml's sources, for the Windows build")
  if(NOT EXISTS ${UGRAPH_PUGIXML_SOURCE_DIR}/src/pugixml.cpp)
    message(FATAL_ERROR
      "pugixml's sources not found in ${UGRAPH_PUGIXML_SOURCE_DIR}: run bash .ci/setup windows")
  endif()
  add_library(ugraph_pugixml STATIC ${UGRAPH_PUGIXML_SOURCE_DIR}/src/pugixml.cpp)
  target_include_directories(ugraph_pugixml SYSTEM PUBLIC ${UGRAPH_PUGIXML_SOURCE_DIR}/src)
  add_library(pugixml::pugixml ALIAS ugraph_pugixml)
  set(pugixml_FOUND TRUE)
else()
  find_package(pugixml CONFIG QUIET)
endif()
if(NOT pugixml_FOUND)
  message(FATAL_ERROR
    "pugixml not found: install the Debian package libpugixml-dev (or run bash .ci/setup app)")
endif()

# The pictures are laid out and drawn by Graphviz's library, and the PDFs of
# several graphs joined into one by qpdf's, in the picture library alone;
# Debian has no Graphviz for mingw-w64, so the Windows build goes without
# pictures.
if(NOT WIN32)
  pkg_check_modules(GRAPHVIZ QUIET IMPORTED_TARGET libgvc libcgraph)
  if(NOT GRAPHVIZ_FOUND)
    message(FATAL_ERROR
      "Graphviz's library not found: install the Debian package libgraphviz-dev (or run bash .ci/setup app)")
  endif()
  pkg_check_modules(QPDF QUIET IMPORTED_TARGET libqpdf)
  if(NOT QPDF_FOUND)
    message(FATAL_ERROR
      "qpdf's library not found: install the Debian package libqpdf-dev (or run bash .ci/setup app)")
  endif()
  # qpdf's headers ask which of its pointer types the program uses: its
  # shared_ptr ones alone.
  set_property(TARGET PkgConfig::QPDF APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS
               POINTERHOLDER_TRANSITION=4)
endif()

if(UGRAPH_TESTS)
  if(UGRAPH_GTEST_FROM_SOURCE)
    # Debian's prebuilt GoogleTest is compiled against libstdc++ for Linux;
    # a build with another standard library (libc++) or for another system
    # (Windows) needs one compiled with its own flags, from the sources
    # Debian ships.
    set(UGRAPH_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
        "GoogleTest sources, built along with the tests when UGRAPH_GTEST_FROM_SOURCE is on")
    if(NOT EXISTS ${UGRAPH_GTEST_SOURCE_DIR}/CMakeLists.txt)
      message(FATAL_ERROR
        "GoogleTest sources not found in ${UGRAPH_GTEST_SOURCE_DIR}: install the Debian package "
        "googletest (or run bash .ci/setup test)")
    endif()
    # Only gtest and gtest_main, built when the tests need them and never
    # installed with ugraph.
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${UGRAPH_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest QUIET)
    if(NOT GTest_FOUND)
      message(FATAL_ERROR
        "GoogleTest not found: install the Debian package libgtest-dev (or run bash .ci/setup test)")
    endif()
  endif()
endif()

if(UGRAPH_BENCH)
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    message(FATAL_ERROR
      "Google Benchmark not found: install the Debian package libbenchmark-dev (or run bash .ci/setup test)")
  endif()
endif()

# The invariants engine asks nauty (canonical labelling, automorphisms),
# the edge-addition planarity suite and nlohmann-json (the jsonl form). The
# Windows build has none of them from Debian yet and leaves the engine out.
if(NOT WIN32)
  find_package(PkgConfig QUIET)
  pkg_check_modules(NAUTY QUIET IMPORTED_TARGET nauty)
  if(NOT NAUTY_FOUND)
    message(FATAL_ERROR
      "nauty not found: install the Debian package libnauty2-dev (or run bash .ci/setup app)")
  endif()
  find_library(UGRAPH_PLANARITY_LIBRARY planarity)
  find_path(UGRAPH_PLANARITY_INCLUDE planarity/graph.h)
  if(NOT UGRAPH_PLANARITY_LIBRARY OR NOT UGRAPH_PLANARITY_INCLUDE)
    message(FATAL_ERROR
      "the planarity suite not found: install the Debian package libplanarity-dev (or run bash .ci/setup app)")
  endif()
  find_package(nlohmann_json 3 QUIET)
  if(NOT nlohmann_json_FOUND)
    message(FATAL_ERROR
      "nlohmann-json not found: install the Debian package nlohmann-json3-dev (or run bash .ci/setup app)")
  endif()
endif()
