# What the Windows build (the toolchain file cmake/mingw-w64-x86_64.cmake,
# the windows preset) takes otherwise than the Linux one. Included before the
# warning flags, so GoogleTest built here keeps its own.

# CLI11 is header only and serves both builds, but its CMake package adds
# -isystem /usr/include, glibc's headers, which mingw must never see. The
# build gets a copy of CLI11's headers alone instead.
find_path(UGRAPH_CLI11_INCLUDE CLI/CLI.hpp PATHS /usr/include
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT UGRAPH_CLI11_INCLUDE)
  message(FATAL_ERROR "CLI11 not found: install the Debian package libcli11-dev")
endif()
file(COPY ${UGRAPH_CLI11_INCLUDE}/CLI DESTINATION ${PROJECT_BINARY_DIR}/cli11)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${PROJECT_BINARY_DIR}/cli11)

if(UGRAPH_TESTS)
  # Debian's libgtest is built for Linux; the tests get GoogleTest compiled
  # by mingw from the sources Debian ships (package googletest).
  set(UGRAPH_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  if(NOT EXISTS ${UGRAPH_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${UGRAPH_GTEST_SOURCE_DIR}: "
                        "install the Debian package googletest")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${UGRAPH_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()
