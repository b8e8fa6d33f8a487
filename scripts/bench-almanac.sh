#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Times the command-line almanac beside Debian's hdate and remind in one interleaved run, the
# order of the programs rotated from round to round: dates per second over a 365-day run at New
# York (two sun scans and a moon phase per date for the almanac, sunrise and sunset for hdate and
# remind) and the start-up for one date. Medians of the rounds; the per-date figure also with
# the one-date time taken off. A benchmark, not a test: it prints figures, checks them against
# the targets (more dates per second than hdate and than remind, a start-up no slower than
# either's) and exits 1 when one is missed.
#   scripts/bench-almanac.sh [rounds]        (default 31)
# Builds a Release almanac without Qt unless ALMANAC points to one already built; installs
# hdate and remind when they are missing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-31}"
build="${BENCH_BUILD_DIR:-$root/build-bench}"

for program in hdate remind; do
    if ! command -v "$program" >/dev/null; then
        apt-get install -y "$program" >/dev/null ||
            { apt-get update >/dev/null && apt-get install -y "$program" >/dev/null; }
    fi
done
if [[ -z "${ALMANAC:-}" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVANE_GUI=OFF \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target solvane-almanac -j2 >/dev/null
    ALMANAC="$build/tools/almanac/solvane-almanac"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# remind takes the place from its reminders file. A fixed offset from UTC instead of the C
# library's keeps its times off the machine's zone and its summer time; the reminder has no date,
# so it falls on every day, and the simple calendar of 12 months (-s12) works out each day's
# sunrise and sunset. The file is named on the command line, so remind reads neither standard
# input nor ~/.reminders; -q keeps it from queueing anything and staying on.
reminders="$work/sun.rem"
cat >"$reminders" <<'EOF'
SET $Latitude "40.75"
SET $Longitude "-73.99"
SET $CalcUTC 0
SET $MinsFromUTC -300
REM MSG [sunrise(trigdate())] [sunset(trigdate())]
EOF

place=(--lat "N°40.75" --lon "W°73.99" --offset -5)
commands=(
    "almanac-year|$ALMANAC|${place[*]}|--from|2026-01-01|--days|365"
    "hdate-year|hdate|-s|-q|-l|40.75|-L|-73.99|-z|-5|2026"
    "remind-year|remind|-q|-s12|$reminders|2026-01-01"
    "almanac-day|$ALMANAC|${place[*]}|2026-12-07"
    "hdate-day|hdate|-s|-q|-l|40.75|-L|-73.99|-z|-5|7|12|2026"
    "remind-day|remind|-q|$reminders|2026-12-07"
)

split_command() {  # name|program|arguments... into the array `fields`
    local options
    IFS='|' read -r -a fields <<<"$1"
    if [[ "${fields[0]}" == almanac-* ]]; then
        # The place options are texts without blanks, joined by blanks above; split them again.
        read -r -a options <<<"${fields[2]}"
        fields=("${fields[0]}" "${fields[1]}" "${options[@]}" "${fields[@]:3}")
    fi
}

run_one() {  # appends the wall time of one launch, in microseconds
    local name start end
    split_command "$1"
    name="${fields[0]}"
    start=$EPOCHREALTIME
    "${fields[1]}" "${fields[@]:2}" >/dev/null
    end=$EPOCHREALTIME
    echo $((${end/./} - ${start/./})) >>"$work/$name"
}

# A first run of each: hdate writes its configuration file on its very first start.
for command in "${commands[@]}"; do run_one "$command"; done
rm -f "$work"/*-year "$work"/*-day
# A reminders file that remind misreads gives a quick run of nothing: make sure the year run
# prints a sunrise and a sunset for each of the 365 dates.
remind_dates=$(remind -q -s12 "$reminders" 2026-01-01 |
    grep -cE '^2026/[0-9]{2}/[0-9]{2} .* [0-9]{2}:[0-9]{2} [0-9]{2}:[0-9]{2}$' || true)
if ((remind_dates != 365)); then
    echo "remind gave sunrise and sunset for $remind_dates dates of 2026, not 365" >&2
    exit 2
fi
for ((round = 0; round < rounds; round++)); do
    for ((k = 0; k < ${#commands[@]}; k++)); do
        run_one "${commands[$(((round + k) % ${#commands[@]}))]}"
    done
done

# Instructions per launch do not depend on the machine's load: print them when callgrind is
# there.
instructions() {
    split_command "$1"
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "${fields[@]:1}" 2>&1 >/dev/null |
        awk -v name="${fields[0]}" '/refs:/ { gsub(",", "", $NF); printf "%-13s %12d instructions\n", name, $NF }'
}
if command -v valgrind >/dev/null; then
    for command in "${commands[@]}"; do instructions "$command"; done
fi
# On a busy machine the wall time mostly waits for a core; the CPU time of each launch does
# not. perf prints it when it is there.
cpu_time() {
    split_command "$1"
    perf stat -r "$rounds" "${fields[@]:1}" 2>&1 >/dev/null |
        awk -v name="${fields[0]}" '/task-clock/ { printf "%-13s %9.3f ms CPU per launch\n", name, $1 }'
}
if command -v perf >/dev/null && perf stat true >/dev/null 2>&1; then
    for command in "${commands[@]}"; do cpu_time "$command"; done
fi

median() { sort -n "$work/$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
almanac_year=$(median almanac-year) hdate_year=$(median hdate-year) remind_year=$(median remind-year)
almanac_day=$(median almanac-day) hdate_day=$(median hdate-day) remind_day=$(median remind-day)
awk -v ay="$almanac_year" -v hy="$hdate_year" -v ad="$almanac_day" -v hd="$hdate_day" \
    -v ry="$remind_year" -v rd="$remind_day" -v n="$rounds" 'BEGIN {
    printf "%d interleaved rounds, medians (wall time of each launch)\n", n
    printf "%-8s %12s %14s %16s %14s\n", "", "365 dates", "dates/s", "dates/s net", "one date"
    printf "%-8s %9.2f ms %14.0f %16.0f %11.3f ms\n", "almanac", ay / 1000, 365e6 / ay,
        (ay > ad ? 365e6 / (ay - ad) : 0), ad / 1000
    printf "%-8s %9.2f ms %14.0f %16.0f %11.3f ms\n", "hdate", hy / 1000, 365e6 / hy,
        (hy > hd ? 365e6 / (hy - hd) : 0), hd / 1000
    printf "%-8s %9.2f ms %14.0f %16.0f %11.3f ms\n", "remind", ry / 1000, 365e6 / ry,
        (ry > rd ? 365e6 / (ry - rd) : 0), rd / 1000
    ok = ay < hy && ad <= hd
    printf "targets (more dates/s than hdate, start-up no slower): %s\n", ok ? "met" : "MISSED"
    ok_remind = ay < ry && ad <= rd
    printf "targets (more dates/s than remind, start-up no slower): %s\n", ok_remind ? "met" : "MISSED"
    exit !(ok && ok_remind)
}'
