# What a Windows build made on Linux (cmake/mingw-w64-x86_64-qt.cmake) needs beyond the
# native one: every program in bin/ beside each other, GoogleTest built with the cross
# compiler, and CTest running the tests under Wine on the real Windows platform plugin.
if(NOT (WIN32 AND CMAKE_CROSSCOMPILING))
  return()
endif()

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

if(HALTDECK_BUILD_TESTS)
  # Debian's googletest package ships the sources; there is no mingw-w64 build of it.
  set(HALTDECK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${HALTDECK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# Each test program runs through this wrapper: Wine in a private prefix, Qt's and the
# compiler's DLLs on Wine's search path, bounded in time, output through files.
set(HALTDECK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the tests")
set(HALTDECK_WINE_TIMEOUT 600 CACHE STRING "Seconds one test program may run under Wine")
find_program(HALTDECK_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
find_program(HALTDECK_WINESERVER NAMES wineserver PATHS /usr/lib/wine REQUIRED)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
  OUTPUT_VARIABLE HALTDECK_MINGW_LIBSTDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
  OUTPUT_VARIABLE HALTDECK_MINGW_WINPTHREAD OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(HALTDECK_MINGW_RUNTIME_DIR ${HALTDECK_MINGW_LIBSTDCXX} DIRECTORY)
get_filename_component(HALTDECK_MINGW_WINPTHREAD_DIR ${HALTDECK_MINGW_WINPTHREAD} DIRECTORY)
set(HALTDECK_MINGW_RUNTIME_DLLS
  ${HALTDECK_MINGW_LIBSTDCXX}
  ${HALTDECK_MINGW_RUNTIME_DIR}/libgcc_s_seh-1.dll
  ${HALTDECK_MINGW_WINPTHREAD})
set(HALTDECK_WINEPATH
  "Z:${HALTDECK_QT_WINDOWS}/bin;Z:${HALTDECK_MINGW_RUNTIME_DIR};Z:${HALTDECK_MINGW_WINPTHREAD_DIR}")
string(REPLACE "/" "\\" HALTDECK_WINEPATH "${HALTDECK_WINEPATH}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                   WORLD_READ WORLD_EXECUTE @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

# Listing a test program means running it under Wine: done when CTest runs, not at build.
set(HALTDECK_TEST_DISCOVERY_MODE PRE_TEST)
set(HALTDECK_TEST_QPA_PLATFORM windows)

# Tests of Linux code, left out here (GoogleTest filter patterns, ':' between them):
# - IniStore, HostileIni, TwoInstances, CrashDuringSave: the INI file under
#   $XDG_CONFIG_HOME with its lock and atomic replacement; on Windows the store is the
#   registry (tests/windows/program/registry_store_test.cpp).
# - PlatformLauncherTest.LeavesNoZombieBehind: counts child processes in /proc.
set(HALTDECK_TESTS_NOT_HERE
  "IniStore.*:HostileIni.*:TwoInstances.*:CrashDuringSave.*:PlatformLauncherTest.LeavesNoZombieBehind")
