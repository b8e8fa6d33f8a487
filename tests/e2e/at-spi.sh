#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The year as a screen reader hears it: the real program on a virtual display, in a D-Bus
# session of its own with the accessibility bus switched on as a screen reader switches it
# on, read back through AT-SPI (at_spi_reader.py). The application is on the bus, its year
# window holds the twelve month grids, the day of a holiday calendar reads its date and the
# holiday, a day without events its date only, and the strip's sunrise and sunset are read.
# The date is fixed at 7 December 2026 (libfaketime), the place is New York.
# The language is the run's LANG (C.UTF-8 when unset); what is expected in each language is
# the table below, one line a language.
# Usage: at-spi.sh SOLVANE
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd -P)

# LANG | the holiday file's summary | the holiday's cell | a day without events | today's
# cell | the months (the first, then the last) | sunrise | sunset
expectations=(
    'C.UTF-8|Christmas Day|Friday 25 December 2026, Christmas Day|Monday 14 December 2026|Monday 7 December 2026, today|January 2026|December 2026|Sunrise 7:07A|Sunset 4:28P'
    'en_US.UTF-8|Christmas Day|Friday 25 December 2026, Christmas Day|Monday 14 December 2026|Monday 7 December 2026, today|January 2026|December 2026|Sunrise 7:07A|Sunset 4:28P'
    'de_DE.UTF-8|1. Weihnachtstag|Freitag, 25. Dezember 2026, 1. Weihnachtstag|Montag, 14. Dezember 2026|Montag, 7. Dezember 2026, heute|Januar 2026|Dezember 2026|Sonnenaufgang 7:07A|Sonnenuntergang 4:28P'
)

language=${LANG:-C.UTF-8}
row=''
for line in "${expectations[@]}"; do
    [[ ${line%%|*} == "$language" ]] && row=$line
done
[[ -n $row ]] || { echo "SKIP: no expectations for LANG=$language"; exit 77; }

# Debian's python3, whose modules the packages install.
python=/usr/bin/python3
for tool in Xvfb dbus-run-session dbus-send $python; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
[[ -x /usr/libexec/at-spi-bus-launcher ]] ||
    { echo "SKIP: at-spi2-core is not installed"; exit 77; }
libfaketime=''
for candidate in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
    [[ -e $candidate ]] && { libfaketime=$candidate; break; }
done
[[ -n $libfaketime ]] || { echo "SKIP: libfaketime is not installed"; exit 77; }

# Everything below runs in a private session bus, which ends with this script, and the
# accessibility bus started below with it.
if [[ -z ${SOLVANE_AT_SPI_SESSION:-} ]]; then
    export SOLVANE_AT_SPI_SESSION=1
    unset AT_SPI_BUS_ADDRESS  # a bus of the caller's
    exec dbus-run-session -- "$0" "$@"
fi

IFS='|' read -r _ summary holiday_cell plain_cell today_cell first_month last_month sunrise \
    sunset <<<"$row"

source "$here/x_session.sh"
x_session "$binary"
log=$dir/app.log
# New York, so that the strip's times are known ones.
printf '00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$dir/prefs.cal"
mkdir -p "$dir/home" "$dir/config" "$dir/cache" "$dir/data"
mkdir -m 700 "$dir/run"
export HOME=$dir/home XDG_CONFIG_HOME=$dir/config XDG_CACHE_HOME=$dir/cache
export XDG_DATA_HOME=$dir/data XDG_RUNTIME_DIR=$dir/run
# Qt takes the language from these variables, not from the C library: the locale need not be
# generated here (bash's warning that it is not is silenced).
{
    export LANG=$language TZ=UTC
    unset LC_ALL LC_MESSAGES LC_TIME LANGUAGE QT_LINUX_ACCESSIBILITY_ALWAYS_ON
} 2>/dev/null
# The desktop's language list, which the program's translations follow.
[[ $language == C.* || $language == POSIX ]] || export LANGUAGE=${language%%.*}

printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane e2e//EN\r\nBEGIN:VEVENT\r\n' \
    >"$dir/holidays.ics"
printf 'UID:holiday-1225\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20261225\r\n' \
    >>"$dir/holidays.ics"
printf 'DTEND;VALUE=DATE:20261226\r\nSUMMARY:%s\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' "$summary" \
    >>"$dir/holidays.ics"

# The accessibility bus, its files in the run's folder. It ends when the session bus does.
# Its settings from memory: nothing of the desktop's settings service is started.
GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher >>"$dir/bus.log" 2>&1 &
# A screen reader asks for the accessibility bus and says it is there; the program follows.
wait_for "the accessibility bus starts" dbus-send --session --print-reply --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

# A sanitizer build's runtime must come first among the preloaded libraries.
preload=$libfaketime
asan=$(ldd "$binary" 2>/dev/null | awk '/libasan/ { print $3; exit }')
[[ -n $asan ]] && preload=$asan:$libfaketime
(cd "$dir" && LD_PRELOAD=$preload FAKETIME='@2026-12-07 10:00:00' \
    FAKETIME_DONT_FAKE_MONOTONIC=1 exec ./solvane --holidays "$dir/holidays.ics") >"$log" 2>&1 &
pids+=($!)

# AT_SPI_WAIT shortens the reader's wait when a failure is being looked into.
"$python" - "$dir/expected.json" "$holiday_cell" "$plain_cell" "$today_cell" "$first_month" \
    "$last_month" "$sunrise" "$sunset" "${AT_SPI_WAIT:-90}" <<'EOF'
import json, sys
out, holiday, plain, today, first, last, sunrise, sunset, wait = sys.argv[1:10]
expected = {"application": "Solvane", "first_month": first, "last_month": last,
            "cells": {holiday: last, plain: last, today: last}, "labels": [sunrise, sunset],
            "timeout": float(wait)}
with open(out, "w", encoding="utf-8") as f:
    json.dump(expected, f, ensure_ascii=False)
EOF
status=0
PYTHONIOENCODING=utf-8 timeout 110 "$python" "$here/at_spi_reader.py" "$dir/expected.json" || status=$?
if ((status != 0)); then
    echo "the program's output:"
    head -n 40 "$log"
    exit 1
fi
