#!/usr/bin/env bash
# Cross-builds the Windows side (the Qt-free core, zentrel.exe, zentrel-cycle.exe, zentrel-convert.exe
# and their tests) into build-win32/ with mingw-w64, after libjpeg-turbo for it (made once).
# zentrel.exe's skin is drawn by the artwork generator built for this machine in build/ (configured
# here if it is not yet). Extra arguments go to the Windows CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
tools/build-libjpeg-win32.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja "${launcher[@]}"
cmake --build build --target zentrel_artwork
artwork=$(pwd)/build/resources/zentrel_artwork
cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DZENTREL_WERROR=ON "${launcher[@]}" \
    -DZENTREL_ARTWORK="$artwork" "$@"
cmake --build build-win32
