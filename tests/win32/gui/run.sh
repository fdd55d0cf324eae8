#!/usr/bin/env bash
# The windows of zentrel.exe under Wine, on an X display of their own: started from a folder of its
# own in the given prefix, the program shows the Control Center at its place and size, and Esc
# ends it. Usage: run.sh WINE BIN-FOLDER (WINEPREFIX set, the prefix booted).
set -euo pipefail
wine=$1
bin=$2

fail() {
    echo "test-win32 windows: FAILED: $*" >&2
    exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/zentrel-windows-XXXXXX")
xvfb=""
program=""
finish() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

# A display no one else uses: Xvfb picks a free number and tells it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"

mkdir "$work/app"
cp "$bin/zentrel.exe" "$work/app/"

# Waits for a visible window whose whole title is $1; prints its id.
window() {
    for _ in $(seq 1 120); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.5
    done
    return 1
}

# "X,Y WxH" of a window, from xdotool.
place() {
    xdotool getwindowgeometry "$1" | awk '/Position/ { split($2, p, ","); x = p[1]; y = p[2] }
        /Geometry/ { print x "," y " " $2 }'
}

(cd "$work/app" && exec "$wine" zentrel.exe >"$work/zentrel.log" 2>&1) &
program=$!

center=$(window "Zentrel v2.0 Control Center") || fail "the Control Center did not show"
[ "$(place "$center")" = "262,123 292x310" ] || fail "the Control Center is at $(place "$center"), not 262,123 292x310"
xdotool search --onlyvisible --name '^Zentrel v2\.0$' >/dev/null || fail "no taskbar window \"Zentrel v2.0\""

xdotool key Escape
for _ in $(seq 1 60); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$program" 2>/dev/null && fail "Esc in the Control Center did not end the program"
program=""
echo "test-win32 windows: passed"
