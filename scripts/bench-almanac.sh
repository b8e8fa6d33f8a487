#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Times the command-line almanac over 73,000 dates (1 January 1900 onwards, two sun scans and
# a moon phase per date) and prints the seconds taken and the dates per second. A benchmark,
# not a test. Builds a Release almanac without Qt unless ALMANAC points to one already built.
#   scripts/bench-almanac.sh [runs]        (default 3 runs; the best is reported)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-3}"
days=73000
build="${BENCH_BUILD_DIR:-$root/build-bench}"

if [[ -z "${ALMANAC:-}" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVANE_GUI=OFF \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target solvane-almanac -j2 >/dev/null
    ALMANAC="$build/tools/almanac/solvane-almanac"
fi

arguments=(--lat "N°40.75" --lon "W°73.99" --offset -5 --from 1900-01-01 --days "$days")
best=""
for ((run = 1; run <= runs; run++)); do
    start=$(date +%s.%N)
    lines=$("$ALMANAC" "${arguments[@]}" | wc -l)
    end=$(date +%s.%N)
    if [[ "$lines" -ne $((days + 1)) ]]; then
        echo "bench-almanac: expected $((days + 1)) lines, got $lines" >&2
        exit 1
    fi
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    echo "run $run: ${seconds} s"
    if [[ -z "$best" ]] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then
        best="$seconds"
    fi
done
awk -v s="$best" -v n="$days" \
    'BEGIN { printf "almanac --from 1900-01-01 --days %d: %.3f s, %.0f dates/s\n", n, s, n / s }'
