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
# the edge-addition planarity suite and nlohmann-json (the jsonl form).
if(WIN32)
  # Debian has neither nauty nor the planarity suite for mingw-w64: the
  # Windows build compiles their C libraries from the Debian source packages
  # that bash .ci/setup windows fetches, as it does pugixml.
  set(UGRAPH_NAUTY_SOURCE_DIR ${PROJECT_SOURCE_DIR}/build/sources/nauty CACHE PATH
      "nauty's sources, for the Windows build")
  set(UGRAPH_PLANARITY_SOURCE_DIR ${PROJECT_SOURCE_DIR}/build/sources/planarity CACHE PATH
      "the planarity suite's sources, for the Windows build")
  if(NOT EXISTS ${UGRAPH_NAUTY_SOURCE_DIR}/nauty-h.in)
    message(FATAL_ERROR
      "nauty's sources not found in ${UGRAPH_NAUTY_SOURCE_DIR}: run bash .ci/setup windows")
  endif()
  if(NOT EXISTS ${UGRAPH_PLANARITY_SOURCE_DIR}/c/graph.h)
    message(FATAL_ERROR
      "the planarity suite's sources not found in ${UGRAPH_PLANARITY_SOURCE_DIR}: run bash .ci/setup windows")
  endif()
  enable_language(C)

  # nauty.h is written by nauty's configure from nauty-h.in; these are its
  # answers for mingw-w64's x86-64 gcc. The library is the one Linux's
  # libnauty is: 64-bit setwords (long is 32 bits on Windows, so the size is
  # set rather than guessed from it), sizes chosen at run time (MAXN 0), and
  # thread-local work areas, since info labels graphs on every core.
  set(PACKAGE_VERSION 2.8.6)
  set(configure_input "Written by ugraph's cmake/Dependencies.cmake from nauty-h.in.")
  set(edit_msg "")
  foreach(header unistd_h sys_types_h stddef_h stdlib_h string_h limits_h stdint_h)
    set(header_${header} 1)
  endforeach()
  set(malloc_dec 1)
  set(has_math_inf 1)
  set(have_flockfile 0)  # mingw-w64's C runtime has _lock_file, not flockfile
  set(stdio_nolock 0)
  set(default_wordsize 64)
  set(tls_supported 1)
  set(use_tls "#define USE_TLS")
  set(ac_cv_tls _Thread_local)
  set(have_ansicontrols 0)
  set(flex_array_ok 1)
  set(ac_cv_sys_file_offset_bits 0)
  foreach(builtin hwlzcnt clz clzl clzll hwpopcnt popcnt popcntl popcntll)
    set(have_${builtin} 1)
  endforeach()
  set(have_mmpop32 0)
  set(have_mmpop64 0)
  set(is_ARM64 0)
  set(ac_cv_sizeof_int 4)
  set(ac_cv_sizeof_long 4)
  set(ac_cv_sizeof___int128_t 16)
  set(ac_cv_sizeof___int128 16)
  set(ac_cv_sizeof_voidp 8)
  set(nauty_include ${PROJECT_BINARY_DIR}/nauty)
  configure_file(${UGRAPH_NAUTY_SOURCE_DIR}/nauty-h.in ${nauty_include}/nauty.h @ONLY)
  # naututil.h, which nauty's random numbers include, asks which clocks the
  # C runtime has: mingw-w64's has no times() nor getrusage().
  set(have_isatty 1)
  set(have_times 0)
  set(have_time 1)
  set(have_getrusage 0)
  set(have_gettimeofday 1)
  set(have_clock_gettime 0)
  set(have_clock 1)
  configure_file(${UGRAPH_NAUTY_SOURCE_DIR}/naututil-h.in ${nauty_include}/naututil.h @ONLY)
  # The pieces of nauty's own libnauty that densenauty needs.
  set(nauty_sources "")
  foreach(source nauty nautil naugraph schreier naurng)
    list(APPEND nauty_sources ${UGRAPH_NAUTY_SOURCE_DIR}/${source}.c)
  endforeach()
  add_library(ugraph_nauty STATIC ${nauty_sources})
  target_include_directories(ugraph_nauty SYSTEM PUBLIC ${nauty_include}
                             PRIVATE ${UGRAPH_NAUTY_SOURCE_DIR})
  add_library(PkgConfig::NAUTY ALIAS ugraph_nauty)

  # The planarity suite's library, as its Makefile.am lists it; its headers
  # are included as <planarity/...>, where Debian installs them.
  file(GLOB planarity_headers ${UGRAPH_PLANARITY_SOURCE_DIR}/c/*.h)
  file(COPY ${planarity_headers} DESTINATION ${PROJECT_BINARY_DIR}/planarity_include/planarity)
  set(planarity_sources "")
  foreach(source graphDFSUtils graphDrawPlanar graphDrawPlanar_Extensions graphEmbed
                 graphExtensions graphIO graphIsolator graphK23Search graphK23Search_Extensions
                 graphK33Search graphK33Search_Extensions graphK4Search graphK4Search_Extensions
                 graphNonplanar graphOuterplanarObstruction graphTests graphUtils listcoll
                 planarityRandomGraphs planaritySpecificGraph planarityUtils stack strbuf)
    list(APPEND planarity_sources ${UGRAPH_PLANARITY_SOURCE_DIR}/c/${source}.c)
  endforeach()
  add_library(ugraph_planarity STATIC ${planarity_sources})
  set(UGRAPH_PLANARITY_LIBRARY ugraph_planarity)
  set(UGRAPH_PLANARITY_INCLUDE ${PROJECT_BINARY_DIR}/planarity_include)

  # nlohmann-json is header-only; as for CLI11, the Windows build takes a
  # copy of its headers alone, never -isystem /usr/include.
  find_path(UGRAPH_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT UGRAPH_NLOHMANN_JSON_INCLUDE)
    message(FATAL_ERROR
      "nlohmann-json not found: install the Debian package nlohmann-json3-dev (or run bash .ci/setup windows)")
  endif()
  file(COPY ${UGRAPH_NLOHMANN_JSON_INCLUDE}/nlohmann DESTINATION ${PROJECT_BINARY_DIR}/nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${PROJECT_BINARY_DIR}/nlohmann_json)
else()
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
