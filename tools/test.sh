#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite, then
# cross-builds the Windows side and runs its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh -DZENTREL_TESTS=ON -DZENTREL_WERROR=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
tools/test-win32.sh
