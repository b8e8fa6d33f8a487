#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Builds Solvane and photographs it under Xvfb on a fixed date (7 December 2026, 10:00) with a
# prefs.cal for New York: the full year, the compact window at its three widths and the
# Parameters dialog. The buttons are clicked with xdotool where a user would click them.
# Writes docs/screenshot-full.png, docs/screenshot-compact-1.png .. -3.png and
# docs/screenshot-parameters.png.
#
# With a language, SOLVANE_SCREENSHOT_LANG=de_DE.UTF-8 scripts/screenshots.sh, it photographs
# the full year, the Parameters dialog and Qt's print preview in that language: docs/year-de.png,
# docs/parameters-de.png and docs/print-de.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SOLVANE_BUILD_DIR:-build}

./scripts/setup.sh
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" -j2 --target solvane >/dev/null

work=$(mktemp -d)
xvfb_pid= app_pid=
cleanup() {
    set +e
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

language=${SOLVANE_SCREENSHOT_LANG:-}
locale=${language:-C.UTF-8}
suffix=${language%%.*}
suffix=${suffix%_[A-Z][A-Z]}

cp "$build/app/solvane" "$work/solvane"
printf '00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$work/prefs.cal"

# A free display number.
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The clock starts at the fixed time and runs on; Qt's timers keep the real monotonic clock.
# libfaketime is preloaded directly, so that the process started is the program itself.
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)
(cd "$work" && LD_PRELOAD=$faketime_lib FAKETIME='@2026-12-07 10:00:00' FAKETIME_DONT_FAKE_MONOTONIC=1 \
    LANG=$locale LC_ALL=$locale LANGUAGE= TZ=UTC exec ./solvane 2>/dev/null) &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Solvane' | head -n 1)
[ -n "$window" ] || { echo "screenshots.sh: the window did not appear" >&2; exit 1; }
sleep 2

# Clicks a point given in the window's own coordinates, then moves the pointer out of the way.
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 1.5
    xdotool mousemove 1279 799
    sleep 0.5
}
shoot() { import -window "$1" "docs/$2"; echo "docs/$2"; }

mkdir -p docs
xdotool mousemove 1279 799
sleep 0.5
if [ -n "$language" ]; then
    shoot "$window" "year-$suffix.png"
    click 683 440 # Parameters, whatever its title says in this language
    dialog=$(xdotool search --onlyvisible --pid "$app_pid" | grep -vx "$window" | tail -n 1)
    shoot "$dialog" "parameters-$suffix.png"
    # Qt's own print preview, in the language of Qt's translations.
    xdotool mousemove --window "$dialog" 201 171 click 1 # Save, which closes the dialog
    sleep 1.5
    xdotool mousemove --window "$window" 2 2 click 1 # the window takes the keyboard
    xdotool key ctrl+p
    sleep 5
    preview=$(xdotool search --onlyvisible --pid "$app_pid" | grep -vx "$window" | tail -n 1)
    shoot "$preview" "print-$suffix.png"
    exit 0
fi
shoot "$window" screenshot-full.png
# The tool strip lies at y 431 in the full window and 145 in the compact one; x is the left
# edge of each button plus half its width (see the compact layout of each width).
click 393 440 # compact mode, width 2
shoot "$window" screenshot-compact-2.png
click 216 154 # width 3
shoot "$window" screenshot-compact-3.png
click 313 154 # width 1
shoot "$window" screenshot-compact-1.png
click 146 154 # back to the full year
click 683 440 # Parameters
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Parameters$' | head -n 1)
shoot "$dialog" screenshot-parameters.png
