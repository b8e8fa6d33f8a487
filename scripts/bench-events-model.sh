#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Times the events model on the benchmark calendar (scripts/make-bench-calendar.py) for the
# days of a year view with the compact row's months (2026-01-01 to 2027-03-31, Europe/Berlin),
# beside libical's own parse and expansion of the same days, rounds interleaved: the time from
# the bytes given to the index in place, the longest stall of the event loop meanwhile, the
# time to ask every day for its events, and the resident memory before and after. Medians
# [min-max]. A benchmark, not a test: it prints figures only.
#   scripts/bench-events-model.sh [rounds]        (default 7)
# Uses the release tree in BUILD (default build/), which must have bench-events-model and
# solvane-icalendar-dump built.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-7}"
build="${BUILD:-$root/build}"
model="$build/tools/bench-events-model/bench-events-model"
dump="$build/tools/icalendar-dump/solvane-icalendar-dump"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
calendar="$work/bench.ics"
"$root/scripts/make-bench-calendar.py" 10000 200 >"$calendar"
echo "calendar: $(stat -c %s "$calendar") bytes; days 2026-01-01 to 2027-03-31, Europe/Berlin"

summary() { sort -g | awk '{ v[NR] = $1 } END { printf "%.1f [%.1f-%.1f]", v[int((NR + 1) / 2)], v[1], v[NR] }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }

for ((round = 0; round < rounds; round++)); do
    if ((round % 2 == 0)); then order=(model bare); else order=(bare model); fi
    for who in "${order[@]}"; do
        if [[ $who == model ]]; then
            line=$("$model" "$calendar" 2026-01-01 2027-03-31 Europe/Berlin)
            for name in load_ms longest_stall_ms ask_all_days_ms rss_before_kb rss_after_kb; do
                field "$name" <<<"$line" >>"$work/$name"
            done
            field occurrences <<<"$line" >"$work/occurrences"
        else
            TZ=Europe/Berlin "$dump" --from 2026-01-01 --until 2027-04-01 --bare 1 "$calendar" |
                field total_ms >>"$work/bare"
        fi
    done
done
echo "$rounds rounds, medians [min-max]:"
echo "  model, bytes to index:          $(summary <"$work/load_ms") ms, $(cat "$work/occurrences") occurrences"
echo "  libical parse + expansion:      $(summary <"$work/bare") ms"
awk -v m="$(median <"$work/load_ms")" -v b="$(median <"$work/bare")" \
    'BEGIN { printf "  model / libical:                %.2fx\n", m / b }'
echo "  longest event-loop stall:       $(summary <"$work/longest_stall_ms") ms"
echo "  every day's events asked:       $(summary <"$work/ask_all_days_ms") ms"
echo "  resident memory before, after:  $(median <"$work/rss_before_kb") kB, $(median <"$work/rss_after_kb") kB"
