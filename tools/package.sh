#!/usr/bin/env bash
# Builds the Debian package zentrel_<version>_<arch>.deb into the repository's top folder: the
# programs built to be installed (ZENTREL_INSTALLED) in build-package/, then CPack's DEB generator
# on that build. Install it with: sudo apt install ./zentrel_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-package -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENTREL_INSTALLED=ON -DZENTREL_TESTS=OFF "$@" >/dev/null
cmake --build build-package
cpack --config build-package/CPackConfig.cmake -B build-package/packages >/dev/null
package=$(ls -t build-package/packages/zentrel_*.deb | head -1)
cp "$package" .
echo "$(basename "$package")"
