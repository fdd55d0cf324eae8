#!/usr/bin/env bash
# Cross-builds the Windows side (the Qt-free core, zentrel-cycle.exe, zentrel-convert.exe and their
# tests) into build-win32/ with mingw-w64, after libjpeg-turbo for it (made once). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
tools/build-libjpeg-win32.sh
cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "${launcher[@]}" "$@"
cmake --build build-win32
