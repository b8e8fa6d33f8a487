#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The program under Wayland: starts a headless weston, runs the program in a folder of its
# own on Qt's wayland platform for a few seconds, and checks from the client's protocol log
# that it opened its window with the app_id of its desktop entry, and from its output that it
# never asked to move the pointer (Wayland refuses, and Qt warns).
# Usage: wayland-start.sh SOLVANE PREFS_CAL
set -euo pipefail
program=$1 prefs=$2

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

command -v weston >/dev/null || skip "weston is not installed"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 || skip "Qt's wayland platform is not installed"

work=$(mktemp -d)
chmod 700 "$work"
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cp "$program" "$work/solvane"
cp "$prefs" "$work/prefs.cal"

export XDG_RUNTIME_DIR=$work
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 50); do [ -S "$work/wayland-test" ] && break; sleep 0.1; done
[ -S "$work/wayland-test" ] || fail "weston did not start: $(cat "$work/weston.log")"

# The program runs until it is stopped; 124 is timeout's own status for that.
status=0
(cd "$work" && env -u DISPLAY WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    timeout 4 ./solvane >"$work/out.log" 2>&1) || status=$?
[ "$status" -eq 124 ] || fail "the program ended with status $status: $(grep -v '^\[' "$work/out.log")"

grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org.solvane.Solvane")' "$work/out.log" ||
    fail "the window has not the app_id org.solvane.Solvane: $(grep -o 'set_app_id([^)]*)' "$work/out.log")"
grep -q 'xdg_toplevel@[0-9]*\.set_title("Solvane ' "$work/out.log" || fail "no window titled Solvane"
if grep -i 'cursor position' "$work/out.log"; then
    fail "the program tried to move the pointer"
fi
echo "wayland: window org.solvane.Solvane opened, no pointer moves"
