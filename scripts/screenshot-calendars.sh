#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Photographs the Calendars dialog under Xvfb on a fixed date (7 December 2026, 10:00) with two
# calendars in the list: a holidays file that reads, and a subscription whose server is not
# there. The dialog is opened with its key, Alt+L, as a user would. Writes
# docs/calendars-dialog.png. Every folder the program uses is a temporary one.
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

cp "$build/app/solvane" "$work/solvane"
printf '00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$work/prefs.cal"
mkdir -p "$work/config/solvane" "$work/cache" "$work/data"
{
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane screenshots//EN\r\n'
    while IFS='|' read -r day name; do
        printf 'BEGIN:VEVENT\r\nUID:%s@example\r\nDTSTAMP:20260101T000000Z\r\n' "$day"
        printf 'DTSTART;VALUE=DATE:%s\r\nSUMMARY:%s\r\nEND:VEVENT\r\n' "$day" "$name"
    done <<'DAYS'
20260101|New Year's Day
20260704|Independence Day
20261126|Thanksgiving Day
20261225|Christmas Day
DAYS
    printf 'END:VCALENDAR\r\n'
} >"$work/us-holidays.ics"
cat >"$work/config/solvane/calendars.json" <<JSON
{
    "format": 1,
    "calendars": [
        {"id": "11111111-1111-1111-1111-111111111111", "kind": "file",
         "location": "$work/us-holidays.ics", "name": "US holidays", "colour": "#cc0000",
         "shown": true, "holidays": true},
        {"id": "22222222-2222-2222-2222-222222222222", "kind": "url",
         "location": "webcal://127.0.0.1:9/team.ics", "name": "Team", "colour": "#3465a4",
         "shown": true, "holidays": false}
    ]
}
JSON

display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# SOLVANE_SCREENSHOT_LANG=de_DE.UTF-8 photographs the dialog in that language, into
# docs/calendars-dialog-de.png.
language=${SOLVANE_SCREENSHOT_LANG:-}
locale=${language:-C.UTF-8}
suffix=${language%%.*}
suffix=${suffix%_[A-Z][A-Z]}
picture=docs/calendars-dialog${suffix:+-$suffix}.png

faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)
(cd "$work" && LD_PRELOAD=$faketime_lib FAKETIME='@2026-12-07 10:00:00' FAKETIME_DONT_FAKE_MONOTONIC=1 \
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
    LANG=$locale LC_ALL=$locale LANGUAGE= TZ=UTC exec ./solvane 2>/dev/null) &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Solvane' | head -n 1)
[ -n "$window" ] || { echo "screenshot-calendars.sh: the window did not appear" >&2; exit 1; }
sleep 3
xdotool windowfocus --sync "$window"
xdotool key alt+l
# The dialog by its title in English, else as the program's other window.
if [ -z "$language" ]; then
    dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Calendars$' | head -n 1)
else
    sleep 2
    dialog=$(xdotool search --onlyvisible --pid "$app_pid" | grep -vx "$window" | tail -n 1)
fi
[ -n "$dialog" ] || { echo "screenshot-calendars.sh: the dialog did not appear" >&2; exit 1; }
sleep 2
mkdir -p docs
import -window "$dialog" "$picture"
echo "$picture"
