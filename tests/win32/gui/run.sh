#!/usr/bin/env bash
# The windows of zentrel.exe under Wine, on an X display and in a Wine prefix of their own: every
# window that opens stands at its table's place and size; the Control Center looks like the Qt
# program's; the wallpaper panel builds a list through Wine's own file dialog and its Save reaches
# win.ini, the registry and murello.cfg; the converter converts a GIF and a JPEG; the lit logo opens
# the about window; the Control Center follows its drag bar; each window closes with Esc.
# Usage: run.sh WINE BIN-FOLDER [QT-ZENTREL] (QT-ZENTREL: the Linux build's program, for the
# picture check; without it that check is skipped, loudly). With DEBUGSHOT=FILE, a failure leaves
# a picture of the whole screen in FILE (xwd).
set -euo pipefail
wine=$1
bin=$2
qt=${3:-}

fail() {
    echo "test-win32 windows: FAILED: $*" >&2
    [ -n "${DEBUGSHOT:-}" ] && xwd -silent -root -out "$DEBUGSHOT"
    exit 1
}
note() { echo "test-win32 windows: $*"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zentrel-windows-XXXXXX")
xvfb=""
program=""
qtprogram=""
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || echo true)
finish() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$qtprogram" ] && kill "$qtprogram" 2>/dev/null || true
    WINEPREFIX=$work/prefix "$wineserver" -k 2>/dev/null || true
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

# A prefix of its own: the tests before wrote into theirs.
export WINEPREFIX=$work/prefix
timeout 300 "$wine" wineboot --init >"$work/boot.log" 2>&1 || fail "wineboot failed: $(tail -5 "$work/boot.log")"

# The geometry tables, as the program has them.
"$wine" "$bin/zentrel_window_tables.exe" | tr -d '\r' >"$work/tables"
table() { awk -v c="$1" '$1 == "window" && $2 == c { print $3, $4, $5, $6, $7 }' "$work/tables"; }
caption() { awk -v c="$1" '$1 == "window" && $2 == c { s = $8; for (i = 9; i <= NF; i++) s = s " " $i; print s }' "$work/tables"; }
control() { awk -v c="$1" -v n="$2" '$1 == "control" && $2 == c && $3 == n { print $4, $5, $6, $7 }' "$work/tables"; }
# What the window's wiring names for $2: a control ("save", "help", ...) or a window ("helpWindow");
# for the Control Center, the button that opens panel $2.
wired() { awk -v c="$1" -v w="$2" '$1 == "wired" && $2 == c && $3 == w { print $4 }' "$work/tables"; }

# The xdotool pattern of a whole title.
whole() { echo "^$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$1")\$"; }
# Whether a window of class $1 is shown now.
shown() { xdotool search --onlyvisible --name "$(whole "$(caption "$1")")" >/dev/null 2>&1; }
# Waits for a visible window whose whole title is $1; prints its id.
titled() {
    for _ in $(seq 1 120); do
        id=$(xdotool search --onlyvisible --name "$(whole "$1")" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.5
    done
    return 1
}
window() { titled "$(caption "$1")" || fail "$1 (\"$(caption "$1")\") did not show"; }
gone() {
    for _ in $(seq 1 60); do
        shown "$1" || return 0
        sleep 0.5
    done
    fail "$1 is still shown"
}

# "X Y W H" of a window, from xdotool.
place() {
    xdotool getwindowgeometry "$1" | awk '/Position/ { split($2, p, ","); x = p[1]; y = p[2] }
        /Geometry/ { split($2, s, "x"); print x, y, s[1], s[2] }'
}
# A skinned window is exactly its table's place and size. Of a framed one, whose table gives the
# client size as the Qt window takes it, Wine without a window manager shows either the whole
# window, its own frame drawn, or the client area alone (the frame is the missing manager's).
check_place() {
    local id left top width height frame x y w h dx dy dw dh
    id=$(window "$1")
    read -r left top width height frame <<<"$(table "$1")"
    read -r x y w h <<<"$(place "$id")"
    dx=$((x - left)) dy=$((y - top)) dw=$((w - width)) dh=$((h - height))
    case $frame in
    skinned) [ "$dx $dy $dw $dh" = "0 0 0 0" ] ;;
    *) { [ "$dx $dy" = "0 0" ] && framing $dw $dh; } || { framing $dx $dy && [ "$dw $dh" = "0 0" ]; } ;;
    esac || fail "$1 ($frame) is at $x,$y ${w}x$h; its table says $left,$top ${width}x$height"
}
# Whether two offsets are a window frame's, across and down (its caption included).
framing() { [ "$1" -ge 0 ] && [ "$1" -le 16 ] && [ "$2" -ge 0 ] && [ "$2" -le 40 ]; }

# Clicks the middle of control $2 of window class $1.
click() {
    local id x y w h
    id=$(window "$1")
    read -r x y w h <<<"$(control "$1" "$2")"
    [ -n "$h" ] || fail "$1 has no control $2"
    xdotool mousemove --window "$id" $((x + w / 2)) $((y + h / 2)) click 1
}
# Keys go to the window under the pointer's program; Wine hands them to its active window.
press() {
    xdotool mousemove --window "$(window "$1")" 1 1
    xdotool key "$2"
}
# Types $2 into the dialog titled $1 (its file name box has the focus) and presses Enter; answer
# then waits for the dialog to close, browse (a folder typed) leaves it open.
browse() {
    local id
    id=$(titled "$1") || fail "no \"$1\" dialog"
    xdotool mousemove --window "$id" 1 1
    xdotool type --delay 20 "$2"
    xdotool key Return
    sleep 1
}
answer() {
    browse "$1" "$2"
    for _ in $(seq 1 60); do
        xdotool search --onlyvisible --name "$(whole "$1")" >/dev/null 2>&1 || return 0
        sleep 0.5
    done
    fail "the \"$1\" dialog is still open after \"$2\""
}
winpath() { echo "Z:${1//\//\\}"; }

# A window's picture, the pointer out of its way (a button's hint would show in it).
screenshot() {
    xdotool mousemove 1000 750
    sleep 1
    xwd -silent -id "$1" -out "$2"
}
# The share of pixels, in per cent, that two pictures of one size have alike (up to a tenth of the
# colour range apart: the two programs render their few words with different fonts).
alike() {
    local differ
    differ=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true)
    [[ "$differ" =~ ^[0-9]+$ ]] || fail "cannot compare the pictures: $differ"
    identify -format '%w %h' "$1" | awk -v differ="$differ" '{ printf "%.1f\n", 100 - 100 * differ / ($1 * $2) }'
}

# The Qt program's Control Center, alone on the display, for the picture check.
if [ -n "$qt" ] && [ -x "$qt" ]; then
    mkdir "$work/qt"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$qt" --program-dir "$work/qt" >"$work/qt.log" 2>&1 &
    qtprogram=$!
    screenshot "$(window Tthemainform)" "$work/qt.xwd"
    kill "$qtprogram"
    wait "$qtprogram" 2>/dev/null || true
    qtprogram=""
    gone Tthemainform
else
    note "SKIPPED the picture check against the Qt Control Center: no Linux build of zentrel (tools/test.sh makes one first)"
fi

mkdir "$work/app" "$work/pictures"
cp "$bin/zentrel.exe" "$work/app/"
(cd "$work/app" && exec "$wine" zentrel.exe >"$work/zentrel.log" 2>&1) &
program=$!

check_place Tthemainform
entry=$(xdotool search --onlyvisible --name '^Zentrel v2\.0$' | head -1) || fail "no taskbar window \"Zentrel v2.0\""
# One taskbar button: the program's own window has it, and the windows it owns keep off the taskbar.
xprop -id "$entry" _NET_WM_STATE | grep -q SKIP_TASKBAR && fail "the taskbar window \"Zentrel v2.0\" keeps off the taskbar"
xprop -id "$(window Tthemainform)" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the Control Center has a taskbar button of its own"
if [ -f "$work/qt.xwd" ]; then
    screenshot "$(window Tthemainform)" "$work/wine.xwd"
    share=$(alike "$work/qt.xwd" "$work/wine.xwd")
    awk -v share="$share" 'BEGIN { exit !(share >= 97) }' ||
        fail "the Control Center matches the Qt program's in only $share % of its pixels"
    note "the Control Center matches the Qt program's in $share % of its pixels"
fi

# Each panel opens from its Control Center button at its place, its Help opens its help window in
# its place, which Esc closes, and Esc leaves the panel: through its Cancel confirmation, whose Yes
# confirms (or straight back to the Control Center).
open_panel() {
    click Tthemainform "$(wired Tthemainform "$1")"
    check_place "$1"
    gone Tthemainform
}
open_help() {
    click "$1" "$(wired "$1" help)"
    check_place "$(wired "$1" helpWindow)"
    press "$(wired "$1" helpWindow)" Escape
    gone "$(wired "$1" helpWindow)"
}
leave_panel() {
    local confirmation
    confirmation=$(wired "$1" cancelWindow)
    press "$1" Escape
    for _ in $(seq 1 60); do
        if shown "$confirmation"; then
            check_place "$confirmation"
            click "$confirmation" "$(wired "$confirmation" yes)"
            break
        fi
        shown Tthemainform && break
        sleep 0.5
    done
    check_place Tthemainform
    gone "$1"
}
for panel in Tmurelloform Ttonvikform Tsaverform Tlogoform Tthemeform; do
    open_panel "$panel"
    open_help "$panel"
    leave_panel "$panel"
done
note "every panel and its help window opened in their places and closed with Esc"

# Pictures to work with: a 16-colour GIF written here, a JPEG made with cjpeg, and bitmaps
# converted from both by zentrel-convert.exe, whose output the converter window must match.
pictures=$work/pictures
{
    printf '\x47\x49\x46\x38\x39\x61\x08\x00\x04\x00\xf3\x00\x00\xc8\x1e\x1e\x1e\xb4\x28\x28\x28\xc8\xfa\xfa\xfa'
    printf '\x00%.0s' $(seq 1 36)
    printf '\x2c\x00\x00\x00\x00\x08\x00\x04\x00\x00\x04\x1a\x10\x80\x10\xa0\x10\x63\xc0\x10\x84\x80\x63\x00\x00'
    printf '\x85\x18\x03\x02\x10\x02\x1c\x03\x00\x18\x82\x10\x11\x00\x3b'
} >"$pictures/small.gif"
LC_ALL=C awk 'BEGIN { printf "P6\n64 48\n255\n"
    for (y = 0; y < 48; y++) for (x = 0; x < 64; x++) printf "%c%c%c", x * 4 + 1, y * 5 + 1, 255 - x * 2 }' |
    cjpeg -quality 90 >"$pictures/photo.jpg"
"$wine" "$bin/zentrel-convert.exe" "$(winpath "$pictures/small.gif")" "$(winpath "$pictures/one.bmp")"
"$wine" "$bin/zentrel-convert.exe" "$(winpath "$pictures/photo.jpg")" "$(winpath "$pictures/two.bmp")"

# The wallpaper panel: both bitmaps added through Wine's own dialog (the folder typed first, then
# the two names, quoted), and Save and Exit.
open_panel Tmurelloform
click Tmurelloform "$(wired Tmurelloform add)"
browse Open "$(winpath "$pictures")"
answer Open '"one.bmp" "two.bmp"'
click Tmurelloform "$(wired Tmurelloform save)"
check_place Tthemainform
gone Tmurelloform
# The dialog gives the two names in an order of its own; the first entry is the one applied.
one=$(winpath "$pictures/one.bmp")
two=$(winpath "$pictures/two.bmp")
[ "$(tr -d '\r' <"$work/app/murello.dat" | sort)" = "$one"$'\n'"$two" ] || fail "murello.dat holds: $(cat "$work/app/murello.dat")"
applied=$(head -1 "$work/app/murello.dat" | tr -d '\r')
[ "$(tr -d '\r' <"$work/app/murello.cfg")" = $'t\n2\nt\nt' ] || fail "murello.cfg holds: $(cat "$work/app/murello.cfg")"
grep -qxF "Wallpaper=$applied"$'\r' "$WINEPREFIX/drive_c/windows/win.ini" &&
    grep -qxF $'TileWallpaper=1\r' "$WINEPREFIX/drive_c/windows/win.ini" ||
    fail "win.ini holds: $(cat "$WINEPREFIX/drive_c/windows/win.ini")"
desktop=$("$wine" reg query 'HKCU\Control Panel\Desktop' | tr -d '\r')
grep -qE "^ +Wallpaper +REG_SZ +$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$applied")\$" <<<"$desktop" &&
    grep -qE '^ +TileWallpaper +REG_SZ +1$' <<<"$desktop" || fail "the registry holds: $desktop"
note "the wallpaper panel saved two bitmaps chosen in the file dialog into murello.dat, murello.cfg, win.ini and the registry"

# The sound panel: a wave added to the start-up list (the list Add acts on at first) through the
# dialog, and Save and Exit makes it the start-up event's sound in the registry.
{
    printf 'RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00'
    printf '\x01\x00\x08\x00data\x08\x00\x00\x00\x80\x80\x80\x80\x80\x80\x80\x80'
} >"$pictures/chime.wav"
# Windows keeps the event's key; a fresh Wine prefix has none, and the panel never makes it.
"$wine" reg add 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.Current' /f >/dev/null
open_panel Ttonvikform
click Ttonvikform "$(wired Ttonvikform add)"
answer Open "$(winpath "$pictures/chime.wav")"
click Ttonvikform "$(wired Ttonvikform save)"
check_place Tthemainform
gone Ttonvikform
chime=$(winpath "$pictures/chime.wav")
[ "$(tr -d '\r' <"$work/app/tonvikst.dat")" = "$chime" ] || fail "tonvikst.dat holds: $(cat "$work/app/tonvikst.dat")"
start=$("$wine" reg query 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.Current' | tr -d '\r') ||
    fail "no start-up event key: $start"
grep -qE "^ +\(Default\) +REG_SZ +$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$chime")\$" <<<"$start" ||
    fail "the registry's start-up sound: $start"
note "the sound panel saved a wave chosen in the file dialog into tonvikst.dat and the registry's start-up event"

# The converter, from the wallpaper panel: a GIF and a JPEG loaded and saved through the dialogs
# (the saved name without its extension), each the bitmap zentrel-convert.exe made; Esc closes it.
open_panel Tmurelloform
click Tmurelloform "$(wired Tmurelloform converter)"
check_place Tgfx
for picture in small.gif:one photo.jpg:two; do
    IFS=: read -r input made <<<"$picture"
    click Tgfx "$(wired Tgfx load)"
    answer Open "$(winpath "$pictures/$input")"
    click Tgfx "$(wired Tgfx save)"
    answer "Save As" "$(winpath "$pictures/$made-window")"
    for _ in $(seq 1 60); do [ -s "$pictures/$made-window.bmp" ] && break; sleep 0.5; done
    cmp -s "$pictures/$made-window.bmp" "$pictures/$made.bmp" || fail "the converter's bitmap of $input is not zentrel-convert.exe's"
done
# A damaged GIF: the failure comes up in the one error box, titled as the program, whose Enter
# closes it and leaves the converter open.
printf 'GIF89a\x08\x00\x04\x00\xf3\x00' >"$pictures/broken.gif"
boxes() { xdotool search --onlyvisible --name '^Zentrel v2\.0$' 2>/dev/null | sort; }
before=$(boxes)
click Tgfx "$(wired Tgfx load)"
answer Open "$(winpath "$pictures/broken.gif")"
box=""
for _ in $(seq 1 60); do
    box=$(comm -13 <(echo "$before") <(boxes) | head -1)
    [ -n "$box" ] && break
    sleep 0.5
done
[ -n "$box" ] || fail "a damaged GIF brought no error box"
xdotool mousemove --window "$box" 5 5
xdotool key Return
for _ in $(seq 1 60); do
    [ "$(boxes)" = "$before" ] && break
    sleep 0.5
done
[ "$(boxes)" = "$before" ] || fail "Enter did not close the error box"
check_place Tgfx
press Tgfx Escape
gone Tgfx
leave_panel Tmurelloform
note "the converter converted a GIF and a JPEG as zentrel-convert.exe does, showed a damaged GIF's failure in the error box, and Esc closed it"

# Over the logo it lights up; a click then opens the about window in the Control Center's stead,
# and its Esc (OK) brings the Control Center back.
read -r x y w h <<<"$(control Tthemainform logoabout)"
for step in 0 5; do
    xdotool mousemove --window "$(window Tthemainform)" $((x + w / 2 + step)) $((y + h / 2 + step))
    sleep 0.5
done
click Tthemainform logoabout2
check_place Tbigabout
gone Tthemainform
press Tbigabout Escape
check_place Tthemainform
gone Tbigabout
note "the lit logo opened the about window, and Esc came back"

# The window follows its drag bar; pressed in the bar's first column it moves only up and down.
drag() {
    local id
    id=$(window Tthemainform)
    xdotool mousemove --window "$id" "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    for step in 1 2 3; do
        xdotool mousemove_relative -- 10 10
        sleep 0.3
    done
    xdotool mouseup 1
    sleep 0.5
    read -r x y _ <<<"$(place "$id")"
    [ "$x,$y" = "$3" ] || fail "dragged from $1,$2 by 30,30, the Control Center went to $x,$y, not $3"
}
drag 100 10 292,153
drag 0 10 292,183
note "the Control Center followed its drag bar"

press Tthemainform Escape
for _ in $(seq 1 60); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$program" 2>/dev/null && fail "Esc in the Control Center did not end the program"
program=""
echo "test-win32 windows: passed"
