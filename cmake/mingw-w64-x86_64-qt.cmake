# Cross compiling the whole program for 64-bit Windows with mingw-w64, against a Qt for
# Windows built with the same compiler (scripts/build-windows provides one):
#   cmake --preset windows -DHALTDECK_QT_WINDOWS=<unpacked Qt prefix>
#
# Qt's DLLs use the compiler's shared runtime, so the program does too: the plain
# toolchain's -static would give the program a second copy of libstdc++.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "")

set(HALTDECK_QT_WINDOWS "$ENV{HALTDECK_QT_WINDOWS}" CACHE PATH "Qt for Windows (mingw-w64) prefix")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HALTDECK_QT_WINDOWS)
if(HALTDECK_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${HALTDECK_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${HALTDECK_QT_WINDOWS})
endif()

# moc, rcc and uic come from the build machine's own Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
