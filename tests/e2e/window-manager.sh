#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The program under a real window manager (openbox on Xvfb), where the frame and title bar
# are drawn by the manager and known only once the window is mapped. Reads the window's
# framed position with xwininfo and _NET_FRAME_EXTENTS, the pointer with xdotool, and checks:
# the window starts centred, the start-up pointer is over the close button, compact mode
# opens where the compact window last stood, and leaving it puts the window back where it
# stood before. Exits 77 (skipped) where Xvfb, openbox, xdotool or xwininfo are missing.
# Usage: window-manager.sh SOLVANE
set -euo pipefail
binary=$1
for tool in Xvfb openbox xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "window-manager: SKIP, $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

dir=$(mktemp -d)
xvfb_pid= wm_pid= app_pid=
cleanup() {
    set +e
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
fail() {
    echo "FAIL (window-manager): $*" >&2
    [ -s "$dir/app.err" ] && grep -v XDG_RUNTIME "$dir/app.err" >&2
    exit 1
}

width=1280 height=800
# A display of this run's own (a server of an earlier run may still be going away from a low
# number); the machine may be busy, so every wait below is generous.
display=$((200 + $$ % 700))
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 "${width}x${height}x24" -nolisten tcp 2>/dev/null &
xvfb_pid=$!
export DISPLAY=":$display"
# On a real X display, libxkbcommon-x11 reads a counted name with strndup, which the sanitizer
# build's strict string checks take for an overflow in that library; our own code keeps them.
[[ -n ${ASAN_OPTIONS:-} ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
for _ in $(seq 300); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 300); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
# openbox names itself before it has finished starting; a window mapped meanwhile stays bare.
sleep 2

cp "$binary" "$dir/solvane"
printf '00\r\n\r\n\r\n\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$dir/prefs.cal"
(cd "$dir" && QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 exec ./solvane 2>"$dir/app.err") &
app_pid=$!
# The year view once openbox has framed it (it states the frame's extents then).
window=
for _ in $(seq 600); do
    for id in $(xdotool search --onlyvisible --name '^Solvane' 2>/dev/null); do
        xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = ' && window=$id
    done
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window appeared"
    # A busy machine can leave openbox still starting up while the window maps.
    echo "window-manager: SKIP, openbox did not frame the window"
    exit 77
fi

# The frame's outer corner and size: the inside as the X server has it, plus the extents the
# window manager states (left, right, top, bottom).
frame() {
    local x y w h extents
    x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
    h=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"$extents"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}
pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }
# A left click at a point given from the window's inside corner.
click_inside() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# Waits until the frame's corner stands at X,Y; fails naming WHAT otherwise.
expect_corner() {
    local x y
    for _ in $(seq 300); do
        read -r x y _ _ <<<"$(frame)"
        [ "$x" -eq "$1" ] && [ "$y" -eq "$2" ] && return 0
        sleep 0.2
    done
    fail "$3 at $x,$y, expected $1,$2"
}

# Centred: the outer frame, not the inside, halfway (within the rounding of a halved pixel).
for _ in $(seq 300); do
    read -r fx fy fw fh <<<"$(frame)"
    dx=$((fx - (width - fw) / 2)) dy=$((fy - (height - fh) / 2))
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] && break
    sleep 0.2
done
echo "window-manager: frame at $fx,$fy, $fw x $fh on a ${width} x ${height} screen"
[ "$fw" -gt 794 ] && [ "$fh" -gt 453 ] || fail "openbox drew no frame ($fw x $fh)"
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || fail "not centred: off by $dx,$dy"

# The start-up pointer: the outer corner plus (481, 467), over the close button.
for _ in $(seq 300); do
    read -r px py <<<"$(pointer)"
    [ "$px" -eq $((fx + 481)) ] && [ "$py" -eq $((fy + 467)) ] && break
    sleep 0.2
done
[ "$px" -eq $((fx + 481)) ] && [ "$py" -eq $((fy + 467)) ] ||
    fail "start-up pointer at $px,$py, expected $((fx + 481)),$((fy + 467))"
ix=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
iy=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
# The close button: the strip at (-1, 428), its texture 1 lower, the button at (446, 2), 48 x 19.
[ "$px" -ge $((ix + 445)) ] && [ "$px" -lt $((ix + 493)) ] &&
    [ "$py" -ge $((iy + 431)) ] && [ "$py" -lt $((iy + 450)) ] ||
    fail "the start-up pointer at $px,$py is not over the close button"

# Compact mode opens where the window stood at creation: the outer corner at (91, 122).
click_inside $((-1 + 378 + 16)) $((428 + 1 + 2 + 9))
expect_corner 91 122 "the compact window"

# The user moves the compact window; leaving compact mode puts the full year back where it
# stood, and the next compact mode opens where the user left the compact window.
xdotool windowmove --sync "$window" 300 250
sleep 0.5
read -r mx my _ _ <<<"$(frame)"
click_inside $((-1 + 173 + 16)) $((142 + 1 + 2 + 9))
expect_corner "$fx" "$fy" "the full year"
click_inside $((-1 + 378 + 16)) $((428 + 1 + 2 + 9))
expect_corner "$mx" "$my" "the compact window moved by the user"
echo "window-manager: ok"
