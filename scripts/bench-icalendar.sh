#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Times the iCalendar reader beside libical's own parse and expansion on the benchmark
# calendar (scripts/make-bench-calendar.py: 10,200 events, 62,180 instances in 2024-2028),
# rounds interleaved, for five years and for 2026: the reader's whole read (file, parse,
# expansion with its corrections and bounds, sorting) against icalparser_parse_string plus
# icalcomponent_foreach_recurrence of every VEVENT. Medians [min-max] of the rounds, the
# instances each found, and the ratio. A benchmark, not a test: it prints figures only.
#   scripts/bench-icalendar.sh [rounds] [singles series]     (defaults 7, 10000 200)
# Builds a Release tree without Qt unless DUMP points to a built solvane-icalendar-dump.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-7}"
singles="${2:-10000}"
series="${3:-200}"
build="${BENCH_BUILD_DIR:-$root/build-bench}"
if [[ -z "${DUMP:-}" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVANE_GUI=OFF \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target solvane-icalendar-dump -j2 >/dev/null
    DUMP="$build/tools/icalendar-dump/solvane-icalendar-dump"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
calendar="$work/bench.ics"
"$root/scripts/make-bench-calendar.py" "$singles" "$series" >"$calendar"
echo "calendar: $singles single events and $series weekly series, $(stat -c %s "$calendar") bytes"

# median [min-max] of the numbers on standard input
summary() { sort -g | awk '{ v[NR] = $1 } END { printf "%.0f ms [%.0f-%.0f]", v[int((NR + 1) / 2)], v[1], v[NR] }'; }

for span in "2024-01-01 2029-01-01" "2026-01-01 2027-01-01"; do
    read -r from until <<<"$span"
    : >"$work/reader" && : >"$work/parse" && : >"$work/expand" && : >"$work/bare"
    for ((round = 0; round < rounds; round++)); do
        if ((round % 2 == 0)); then order=(reader bare); else order=(bare reader); fi
        for who in "${order[@]}"; do
            if [[ $who == reader ]]; then
                line=$("$DUMP" --from "$from" --until "$until" --bench 1 "$calendar")
                sed -n 's/^read_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$work/reader"
                sed -n 's/.*occurrences=\([0-9]*\).*/\1/p' <<<"$line" >"$work/reader-count"
            else
                line=$("$DUMP" --from "$from" --until "$until" --bare 1 "$calendar")
                sed -n 's/^parse_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$work/parse"
                sed -n 's/.*expand_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$work/expand"
                sed -n 's/.*total_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$work/bare"
                sed -n 's/.*instances=\([0-9]*\).*/\1/p' <<<"$line" >"$work/bare-count"
            fi
        done
    done
    reader=$(sort -g "$work/reader" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    bare=$(sort -g "$work/bare" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    echo "$from to $until, $rounds rounds:"
    echo "  reader (read, parse, expand, sort):   $(summary <"$work/reader"), $(cat "$work/reader-count") occurrences"
    echo "  libical parse:                        $(summary <"$work/parse")"
    echo "  libical expand (foreach_recurrence):  $(summary <"$work/expand")"
    echo "  libical parse + expand:               $(summary <"$work/bare"), $(cat "$work/bare-count") instances"
    awk -v r="$reader" -v b="$bare" 'BEGIN { printf "  reader / libical: %.2fx\n", r / b }'
done
