#!/usr/bin/env bash
# Builds libjpeg-turbo for 64-bit Windows as a static library, from Debian's own source package,
# into build-win32/libjpeg-turbo/install (include/, lib/libjpeg.a). Made once and reused: a finished
# build is left alone. Needs a deb-src entry (tools/install-deps.sh adds one), dpkg-dev and nasm.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
root=$top/build-win32/libjpeg-turbo
install=$root/install
[ -f "$install/lib/libjpeg.a" ] && [ -f "$install/include/jpeglib.h" ] && exit 0

rm -rf "$root"
mkdir -p "$root/source"
(cd "$root/source" && apt-get source -qq libjpeg-turbo >"$root/source.log" 2>&1) || {
    cat "$root/source.log" >&2
    echo "build-libjpeg-win32: apt-get source libjpeg-turbo failed; tools/install-deps.sh adds the deb-src entry" >&2
    exit 1
}
source_dir=$(find "$root/source" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -1)
[ -n "$source_dir" ] || { echo "build-libjpeg-win32: no unpacked source in $root/source" >&2; exit 1; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache)
# The library alone: no shared library, no TurboJPEG API, no command-line tools or tests.
cmake -S "$source_dir" -B "$root/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" "${launcher[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm -DCMAKE_INSTALL_PREFIX="$install" >"$root/configure.log" 2>&1 || {
    cat "$root/configure.log" >&2
    exit 1
}
cmake --build "$root/build" --target jpeg-static

mkdir -p "$install/include" "$install/lib"
cp "$root/build/libjpeg.a" "$install/lib/"
cp "$root/build/jconfig.h" "$source_dir/jpeglib.h" "$source_dir/jmorecfg.h" "$source_dir/jerror.h" "$install/include/"
