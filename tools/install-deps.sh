#!/usr/bin/env bash
# Installs the Debian 12 packages Zentrel builds, tests and runs with; does nothing when all are there.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libjpeg-dev libsdl2-dev libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg-turbo-progs libgif-dev fonts-dejavu-core clang-format xvfb xauth libglib2.0-dev gsettings-desktop-schemas
    libxcb1-dev desktop-file-utils dbus-daemon g++-mingw-w64-x86-64-posix googletest wine64
    openbox x11-utils dbus-bin cinnamon-desktop-data mate-desktop-common xfconf libxfconf-0-3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
