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
source "$(dirname "$0")/x_session.sh"
x_session "$binary"
export XDG_RUNTIME_DIR=$dir  # the program's socket lives here, away from any other run
log=$dir/first.log
trayer --edge top --align right --widthtype request --height 32 --SetDockType true >/dev/null 2>&1 &
pids+=($!)
sleep 1

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
