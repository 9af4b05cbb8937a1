# Cross-builds Quorvel for Windows x64 on Debian: MinGW-w64 (GCC 12, posix threads)
# against the Qt 6.4.2 kit in QUORVEL_QT_MINGW (a cache entry or the environment), with
# Debian's own Qt 6.4.2 as the host tools (moc, rcc, uic, lupdate, lrelease).
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/windows-mingw64.cmake \
#         -DQUORVEL_QT_MINGW=/path/to/qt-6.4.2-mingw64
#
# CMake reads a toolchain file again for every try_compile, where only the environment
# survives, so the kit's place is passed on through it.
if(NOT QUORVEL_QT_MINGW)
  set(QUORVEL_QT_MINGW "$ENV{QUORVEL_QT_MINGW}")
endif()
if(NOT EXISTS "${QUORVEL_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")
  message(FATAL_ERROR "No Qt kit for MinGW-w64 in QUORVEL_QT_MINGW (\"${QUORVEL_QT_MINGW}\"): "
                      "scripts/build-windows.sh finds or unpacks one")
endif()
set(QUORVEL_QT_MINGW "${QUORVEL_QT_MINGW}" CACHE PATH "The unpacked Qt kit for MinGW-w64")
set(ENV{QUORVEL_QT_MINGW} "${QUORVEL_QT_MINGW}")

set(QT_HOST_PATH /usr CACHE PATH "Debian's Qt, whose tools the kit uses")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Debian's Qt CMake packages")
# The kit's toolchain file chain-loads its own compiler settings and find-root rules.
include("${QUORVEL_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")

# CTest runs the cross-built tests under wine64, in the build folder's own prefix.
get_filename_component(quorvel_source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${quorvel_source_dir}/scripts/wine-run.sh;${QUORVEL_QT_MINGW};${CMAKE_BINARY_DIR}/wine")
