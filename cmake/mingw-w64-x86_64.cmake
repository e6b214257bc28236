# Cross-builds ugraph.exe for 64-bit Windows with Debian's mingw-w64
# (package g++-mingw-w64-x86-64-posix; the posix flavour gives std::thread
# and std::mutex). The programs built here run on this machine under Wine,
# which CMake then uses for every test it runs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(UGRAPH_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER ${UGRAPH_MINGW_PREFIX}-g++-posix)
# GoogleTest's own project enables C as well.
find_program(CMAKE_C_COMPILER ${UGRAPH_MINGW_PREFIX}-gcc-posix)
if(NOT CMAKE_CXX_COMPILER)
  message(FATAL_ERROR
    "${UGRAPH_MINGW_PREFIX}-g++-posix not found: install the Debian package "
    "g++-mingw-w64-x86-64-posix (or run bash .ci/setup windows)")
endif()

# Libraries and headers come from mingw's own tree only: the machine's
# /usr/include is glibc's and must never reach this compiler.
set(CMAKE_FIND_ROOT_PATH /usr/${UGRAPH_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and winpthreads linked in, so ugraph.exe runs alone,
# without mingw's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests, transcripts and scripts run the programs through Wine (Debian's
# package wine), quiet: Wine's own debug lines would mix with the program's
# standard error.
find_program(UGRAPH_WINE wine)
if(UGRAPH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all ${UGRAPH_WINE})
endif()
