#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# A second start on the same display hands over to the running program: it ends at once
# with status 0, and the window the first one had hidden in the notification area shows
# again. Runs the real program on a virtual display with a real notification area (trayer).
# Usage: second-launch.sh SOLVANE
set -euo pipefail
binary=$1
for tool in Xvfb xdotool trayer import convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
dir=$(cd "$(mktemp -d)" && pwd -P)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$dir"
}
trap cleanup EXIT
cp "$binary" "$dir/solvane"
printf '00\r\n\r\n\r\n\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$dir/prefs.cal"
export XDG_RUNTIME_DIR=$dir  # the program's socket lives here, away from any other run
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# On a real X display, libxkbcommon-x11 reads a counted name with strndup, which the sanitizer
# build's strict string checks take for an overflow in that library; our own code keeps them.
[[ -n ${ASAN_OPTIONS:-} ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"

Xvfb -displayfd 3 -screen 0 1280x800x24 3>"$dir/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 600); do [[ -s $dir/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$dir/display")
trayer --edge top --align right --widthtype request --height 32 --SetDockType true >/dev/null 2>&1 &
pids+=($!)
sleep 1

wait_for() {  # wait_for DESCRIPTION COMMAND...: up to 60 s, a hang check on a loaded machine
    local what=$1
    shift
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    echo "FAIL: $what"
    head -n 40 "$dir/first.log"
    exit 1
}
window_shown() { xdotool search --onlyvisible --name 'Julian' >/dev/null 2>&1; }
icon() { # the notification-area icon: the embedded window named just "Solvane"
    local w
    for w in $(xdotool search --name '' 2>/dev/null); do
        [[ $(xdotool getwindowname "$w" 2>/dev/null) == Solvane ]] || continue
        [[ $(xdotool getwindowgeometry "$w") == *"Geometry: 1x1"* ]] || { echo "$w"; return 0; }
    done
    return 1
}

"$dir/solvane" >"$dir/first.log" 2>&1 &
pids+=($!)
wait_for "the first window shows" window_shown
wait_for "the icon is in the notification area" icon >/dev/null
# The icon shows the program's picture: an icon without one leaves the slot in the notification
# area's bare background, a single colour.
icon_drawn() { (($(import -window "$(icon)" png:- | convert png:- -format %k info:) > 2)); }
wait_for "the icon shows the program's picture" icon_drawn
# A left click brings the window to the front, the next hides it.
for _ in 1 2 3; do
    window_shown || break
    xdotool mousemove --window "$(icon)" 5 5 click 1
    sleep 0.7
done
if window_shown; then echo "FAIL: the icon's left click does not hide the window"; exit 1; fi

start=$(date +%s%N)
status=0
timeout 60 "$dir/solvane" >"$dir/second.log" 2>&1 || status=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
echo "second start: status $status after $elapsed_ms ms"
[[ $status == 0 ]] || { echo "FAIL: the second start ended with $status"; exit 1; }
wait_for "the first window shows again" window_shown
kill -0 "${pids[2]}" || { echo "FAIL: the first program ended"; exit 1; }
echo "PASS"
