#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Checks that two builds of the command-line almanac write the same bytes: every date from
# 1700-01-01 for 474,000 days (to 2997) at three places (New York, Sydney, Tromso above the
# polar circle), once in 12-hour and once in 24-hour times, plus a list of dates. Run it
# before and after a change to the sun, moon or output code. FIELDS (a cut(1) list such as
# 1-4,7) compares only those tab-separated columns, for a change meant to alter the others.
#   [FIELDS=LIST] scripts/compare-almanac.sh REFERENCE_ALMANAC [ALMANAC]
# ALMANAC defaults to build-astro/tools/almanac/solvane-almanac. Exits 1 on the first
# difference, printing it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
reference="${1:?usage: compare-almanac.sh REFERENCE_ALMANAC [ALMANAC]}"
candidate="${2:-$root/build-astro/tools/almanac/solvane-almanac}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

places=(
    "new-york|--lat|N°40.75|--lon|W°73.99|--offset|-5"
    "sydney|--lat|S°33.87|--lon|E°151.21|--offset|10"
    "tromso|--lat|N°69.65|--lon|E°18.96|--offset|1"
)
status=0
columns() {
    if [[ -n "${FIELDS:-}" ]]; then cut -f "$FIELDS"; else cat; fi
}
compare() {
    local name="$1"
    shift
    "$reference" "$@" 2>&1 | columns >"$work/reference" || echo "exit $?" >>"$work/reference"
    "$candidate" "$@" 2>&1 | columns >"$work/candidate" || echo "exit $?" >>"$work/candidate"
    if cmp "$work/reference" "$work/candidate"; then
        echo "same: $name ($(wc -c <"$work/candidate") bytes)"
    else
        diff "$work/reference" "$work/candidate" | head -5
        status=1
    fi
}
for place in "${places[@]}"; do
    IFS='|' read -r -a fields <<<"$place"
    name="${fields[0]}"
    options=("${fields[@]:1}")
    compare "$name" "${options[@]}" --from 1700-01-01 --days 474000
    compare "$name 24-hour" --military "${options[@]}" --from 1700-01-01 --days 474000
    compare "$name list" "${options[@]}" 0001-01-01 1582-10-04 1583-01-01 2000-02-29 9999-12-31
done
compare "no place" --from 1700-01-01 --days 474000
compare "new-york zone" --tz America/New_York --from 1700-01-01 --days 474000
compare "sydney zone 24-hour" --military --tz Australia/Sydney --from 1700-01-01 --days 474000
exit "$status"
