# Cross-builds the Windows programs with MinGW-w64 (64-bit, posix thread model) on Linux.
# The runtime libraries are linked statically, so the programs run on a bare Windows or Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARMAXION_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARMAXION_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARMAXION_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TARMAXION_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARMAXION_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No link time in the PE headers, so that two builds of one commit give the same files.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
# GCC 12 reports impossible overlaps inside std::string concatenation at -O2 and above (GCC
# bug 105329), on perfectly ordinary code; this compiler's inlining trips it where the native
# one does not.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Test programs run under Wine; gtest_discover_tests and ctest both go through it.
find_program(TARMAXION_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TARMAXION_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARMAXION_WINE})
endif()
