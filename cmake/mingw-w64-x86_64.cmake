# Cross compiling for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64).
#   cmake -S tests/windows -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# The -posix compilers are used on purpose: the default ones use the win32 thread model,
# which has no std::mutex or std::thread, and GoogleTest needs both. Everything is linked
# statically so that a built .exe runs under Wine or on Windows without the compiler's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HALTDECK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HALTDECK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALTDECK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HALTDECK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HALTDECK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Lets CMake and CTest run the built programs on this machine. A project may set its own
# emulator (a wrapper around wine) before it creates its targets.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(HALTDECK_WINE_PROGRAM NAMES wine wine64)
  if(HALTDECK_WINE_PROGRAM)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${HALTDECK_WINE_PROGRAM})
  endif()
endif()
