#!/usr/bin/env bash
# Makes the Debian package from this build (CPack on the programs already built, no build of its
# own), unpacks it into a temporary root and runs the programs from there with a temporary HOME;
# then lintian and the AppStream and desktop-entry validators. Nothing is installed on this machine.
# Usage: package-test.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (tools/install-deps.sh installs it)"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/zentrel_*_"$(dpkg --print-architecture)".deb)

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/zentrel /usr/bin/zentrel-cycle /usr/bin/zentrel-convert \
    /usr/share/applications/zentrel.desktop /usr/share/metainfo/org.example.zentrel.metainfo.xml \
    /usr/share/man/man1/zentrel.1.gz /usr/share/man/man1/zentrel-cycle.1.gz /usr/share/man/man1/zentrel-convert.1.gz \
    /usr/share/doc/zentrel/copyright /usr/share/doc/zentrel/README.md.gz; do
    grep -qx "$path" "$work/contents" || fail "$path is not in the package"
done
for size in 32 48 64 128 256; do
    grep -qx "/usr/share/icons/hicolor/${size}x${size}/apps/zentrel.png" "$work/contents" || fail "no ${size}x${size} icon"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries: $(dpkg-deb -f "$deb" Depends)"

root="$work/root"
dpkg -x "$deb" "$root"
export HOME="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
"$root/usr/bin/zentrel-cycle" --dry-run >"$work/cycle.out" 2>&1 || { cat "$work/cycle.out"; fail "zentrel-cycle --dry-run"; }
[ -d "$HOME/.local/share/zentrel" ] || fail "zentrel-cycle made no folder in ~/.local/share"
[ "$(stat -c %a "$HOME/.local/share/zentrel")" = 700 ] || fail "the user's folder is not private"
[ -z "$(ls "$root/usr/bin" | grep -v '^zentrel')" ] || fail "something was written beside the programs"
"$root/usr/bin/zentrel-cycle" --install-autostart >/dev/null
grep -qx "Exec=$root/usr/bin/zentrel-cycle --present" "$HOME/.config/autostart/zentrel-cycle.desktop" ||
    fail "login entry: $(grep Exec "$HOME/.config/autostart/zentrel-cycle.desktop")"
[ ! -e "$HOME/.local/share/applications/zentrel.desktop" ] || fail "the package's menu entry was copied"
# A 1 x 1 GIF.
printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;' >"$work/dot.gif"
"$root/usr/bin/zentrel-convert" "$work/dot.gif" "$work/dot.bmp" || fail "zentrel-convert"
[ "$(head -c 2 "$work/dot.bmp")" = BM ] || fail "zentrel-convert wrote no bitmap"

desktop-file-validate "$root/usr/share/applications/zentrel.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.zentrel.metainfo.xml" || fail "appstreamcli validate"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian"; }
cat "$work/lintian.log"
echo "package $(basename "$deb") built, unpacked, run and validated"
