#!/usr/bin/env bash
# Installs what is missing, builds, assembles the program into ~/zentrel and starts it there.
# The program keeps its lists and its stand-in Windows machine beside itself, so ~/zentrel is a
# folder a rebuild never wipes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh -DZENTREL_TESTS=OFF
prefix="${ZENTREL_HOME:-$HOME/zentrel}"
cmake --install build --prefix "$prefix" >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Zentrel is built in $prefix, but there is no display to show it on (neither DISPLAY nor WAYLAND_DISPLAY is set)."
    echo "Start it from a desktop session with: $prefix/zentrel   (or under a virtual display: xvfb-run $prefix/zentrel)"
    exit 1
fi
exec "$prefix/zentrel"
