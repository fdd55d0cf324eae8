#!/usr/bin/env bash
# Installs the Debian 12 packages Zentrel builds, tests and runs with; does nothing when all are there.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libjpeg-dev libsdl2-dev libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg-turbo-progs libgif-dev fonts-dejavu-core clang-format xvfb xauth libglib2.0-dev gsettings-desktop-schemas
    libxcb1-dev desktop-file-utils dbus-daemon g++-mingw-w64-x86-64-posix googletest wine64
    openbox x11-utils dbus-bin cinnamon-desktop-data mate-desktop-common xfconf libxfconf-0-3
    libxcb-randr0-dev qt6-declarative-dev dconf-cli
    lintian appstream dpkg-dev nasm x11-apps)
# Without their recommends: the desktops' own programs that the --present tests run (whole desktops
# otherwise), and ImageMagick, which compares the Windows and the Qt Control Center's pictures.
desktops=(xfdesktop4 xfwm4 caja cinnamon-session cinnamon-settings-daemon pcmanfm pcmanfm-qt sway swaybg grim xdotool imagemagick)
missing() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}
# The Windows build compiles libjpeg-turbo from Debian's source package (tools/build-libjpeg-win32.sh),
# which apt fetches only with a deb-src entry: one for the Debian mirror already in use is added.
debian_sources=/etc/apt/sources.list.d/debian.sources
source_entry=/etc/apt/sources.list.d/zentrel-debian-src.sources
needs_source_entry() {
    [ -f "$debian_sources" ] || return 1
    grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 1
    return 0
}
missing_packages=($(missing "${packages[@]}"))
missing_desktops=($(missing "${desktops[@]}"))
needs_source=0
needs_source_entry && needs_source=1
[ ${#missing_packages[@]} -eq 0 ] && [ ${#missing_desktops[@]} -eq 0 ] && [ $needs_source -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ $needs_source -eq 1 ]; then
    sed -n '1,/^$/p' "$debian_sources" | sed 's/^Types: .*/Types: deb-src/' | $sudo tee "$source_entry" >/dev/null
fi
$sudo apt-get update -qq
[ ${#missing_packages[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing_packages[@]}"
[ ${#missing_desktops[@]} -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing_desktops[@]}"
