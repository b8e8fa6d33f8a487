#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The almanac's iCalendar export checked by other programs' readers:
#   validate-ics.sh rows|icalendar|caldav ALMANAC   through ics_checks.py (Debian's python3)
#   validate-ics.sh libical ALMANAC CHECKER         through libical (ics_libical_check)
# Exits 77 (skipped) when the reader is not installed.
set -euo pipefail
mode=$1 almanac=$2
here=$(cd "$(dirname "$0")" && pwd)
# python3-icalendar and radicale are Debian packages: they load under Debian's interpreter.
python=/usr/bin/python3

skip() {
    echo "skipped: $1"
    exit 77
}

case $mode in
libical)
    checker=${3:-}
    [ -n "$checker" ] && [ -x "$checker" ] || skip "libical-dev was not found when configuring"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export TZ=UTC
    "$almanac" --ics --lat "N°40.75" --lon "W°73.99" --offset -5 --from 2026-01-01 --days 365 >"$work/new_york.ics"
    "$almanac" --ics --tz Europe/Berlin --from 2026-03-20 --days 20 >"$work/berlin.ics"
    "$almanac" --ics --lat "N°69.65" --lon "E°18.96" --offset 1 --from 2026-11-20 --days 30 >"$work/tromso.ics"
    "$almanac" --ics --ics-only moon --from 1582-10-01 --days 31 >"$work/moon_1582.ics"
    "$almanac" --ics --ics-only sun --tz Asia/Kathmandu 2026-06-21 2026-12-21 >"$work/kathmandu.ics"
    for file in "$work"/*.ics; do
        echo "$(basename "$file"): $("$checker" "$file" | tr '\n' ' ')"
        "$checker" "$file" >/dev/null
    done
    ;;
rows | icalendar | caldav)
    [ -x "$python" ] || skip "no $python"
    if [ "$mode" = icalendar ]; then
        "$python" -c "import icalendar" 2>/dev/null || skip "python3-icalendar is not installed"
    elif [ "$mode" = caldav ]; then
        "$python" -c "import radicale" 2>/dev/null || skip "radicale is not installed"
    fi
    exec "$python" "$here/ics_checks.py" "$mode" "$almanac"
    ;;
*)
    echo "validate-ics.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac
