#!/usr/bin/env bash
# Cross-builds the Windows side and runs its tests under Wine, in a fresh Wine prefix made in a
# temporary folder and removed at the end. A Wine that cannot start even its own programs is not
# our fault: that is reported loudly and the tests are skipped; any failure of ours fails.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build-win32.sh -DZENTREL_TESTS=ON -DZENTREL_WERROR=ON "$@"

wine=""
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
    [ -n "$candidate" ] && [ -x "$candidate" ] && wine=$candidate && break
done
if [ -z "$wine" ]; then
    echo "test-win32: wine64 is not installed; tools/install-deps.sh installs it" >&2
    exit 1
fi

prefix=$(mktemp -d "${TMPDIR:-/tmp}/zentrel-wine-XXXXXX")
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || echo true)
cleanup() {
    WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT

# No display, no Mono or Gecko installer dialogs, no debug chatter; Wine's own audio driver
# choice is left alone so the player is heard where there is sound.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY || true

if ! timeout 300 "$wine" wineboot --init >"$prefix.boot.log" 2>&1 \
    || ! timeout 120 "$wine" cmd /c echo wine-ready 2>/dev/null | grep -q wine-ready; then
    echo "############################################################" >&2
    echo "test-win32: SKIPPED: Wine cannot start its own programs here;" >&2
    echo "the Windows tests did not run. Wine said:" >&2
    tail -20 "$prefix.boot.log" >&2 || true
    echo "############################################################" >&2
    rm -f "$prefix.boot.log"
    exit 0
fi
rm -f "$prefix.boot.log"

# An ALSA device that discards what it is given lets the player's tests play, silently, on a machine
# without a sound card.
mkdir -p "$prefix/home"
printf 'pcm.!default {\n    type null\n}\n' >"$prefix/home/.asoundrc"

(cd build-win32 && HOME=$prefix/home ctest --output-on-failure --timeout 300)

# The windows of zentrel.exe, on an X display of their own.
HOME=$prefix/home tests/win32/gui/run.sh "$wine" build-win32/bin "$(pwd)/build/bin/zentrel"
