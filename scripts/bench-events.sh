#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# What a large calendar costs Solvane, from one run of interleaved rounds (the order rotated
# each round, so that a busy spell of the machine falls on all alike), beside what it cannot
# cost less than: the time from the start of a program that has a 10,000-event calendar in its
# list (scripts/make-bench-calendar.py) to that calendar's marks on screen, next to libical's
# own parse and expansion of the same days; the start-up to the first shown window with that
# calendar and without, next to a bare window of twelve empty frames; the longest time the
# window's thread was busy meanwhile; the resident memory with and without the calendar; and,
# as scripts/bench-idle.sh measures it, the CPU use and wake-ups while idle with the calendar.
# Medians [min-max]. A benchmark, not a test: it prints figures, checks them against the
# targets and exits non-zero when one is missed.
#
# The moments inside the program come from its "solvane.timing" logging category (off unless
# QT_LOGGING_RULES turns it on), on the monotonic clock that bench-map-timer also reports.
#
# Usage: scripts/bench-events.sh [BUILD_DIR]      (default: build)
# Needs: Xvfb, xdotool, libfaketime (package faketime), python3; the targets solvane,
# bench-bare-window, bench-map-timer, bench-events-model and solvane-icalendar-dump built in
# BUILD_DIR.
# Environment: ROUNDS (11), IDLE_SECONDS (20), SETTLE_SECONDS (6), SKIP_IDLE (unset).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir=${1:-build}
solvane_exe=$build_dir/app/solvane
bare_exe=$build_dir/tools/bench-bare-window/bench-bare-window
timer_exe=$build_dir/tools/bench-map-timer/bench-map-timer
model_exe=$build_dir/tools/bench-events-model/bench-events-model
dump_exe=$build_dir/tools/icalendar-dump/solvane-icalendar-dump
rounds=${ROUNDS:-11}
idle_seconds=${IDLE_SECONDS:-20}
settle_seconds=${SETTLE_SECONDS:-6}
ordinary_day='2026-12-07 10:00:00'
# The days the program reads (the year in view and the compact row's months, with the real
# clock) are learnt from a first launch; libical and the model are timed on the same days.
first_day=''
last_day=''
export TZ=Europe/Berlin

for tool in Xvfb xdotool python3; do
    command -v "$tool" >/dev/null || { echo "bench-events: $tool is not installed" >&2; exit 2; }
done
libfaketime=''
for candidate in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1; do
    [[ -e $candidate ]] && { libfaketime=$candidate; break; }
done
[[ -n $libfaketime ]] || { echo "bench-events: libfaketime is not installed" >&2; exit 2; }
for exe in "$solvane_exe" "$bare_exe" "$timer_exe" "$model_exe" "$dump_exe"; do
    [[ -x $exe ]] || { echo "bench-events: $exe is not built" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=''
app_pid=''
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [[ -n ${KEEP_LOG:-} ]] && cp "$work/app.log" /tmp/bench-events-app.log
    rm -rf "$work"
}
trap cleanup EXIT

# A private copy of the program with a preferences file of its own, and homes of its own: one
# whose list holds the calendar and one with no list, so that no real prefs.cal or list is read.
cp "$solvane_exe" "$work/solvane"
cp "$bare_exe" "$work/bench-bare-window"
printf '00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$work/prefs.cal"
calendar="$work/bench.ics"
"$root/scripts/make-bench-calendar.py" 10000 200 >"$calendar"
for home in with without; do
    mkdir -p "$work/$home/config/solvane" "$work/$home/cache" "$work/$home/data"
done
python3 - "$calendar" >"$work/with/config/solvane/calendars.json" <<'EOF'
import json, sys
print(json.dumps({"format": 1, "calendars": [{
    "id": "bench", "kind": "file", "location": sys.argv[1], "name": "Bench",
    "colour": "#3050c0", "shown": True, "holidays": False}]}))
EOF
# Runs "$@" with the homes of $1.
in_home() {
    local home=$work/$1
    shift
    XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_DATA_HOME=$home/data "$@"
}

display=''
for n in $(seq 91 140); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=$n; break; fi
done
[[ -n $display ]] || { echo "bench-events: no free X display" >&2; exit 2; }
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_LOGGING_RULES

stop_app() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    for _ in $(seq 500); do
        local state
        state=$(awk '{ print $3 }' "/proc/$app_pid/stat" 2>/dev/null) || break
        [[ $state == Z ]] && break
        sleep 0.01
    done
    app_pid=''
    sleep 0.3  # the X server lets go of the window; the next start should not share with that
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s + 0 }'; }
wakeups() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }'
}
rss_kib() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
summary() { sort -g | awk '{ v[NR] = $1 } END { printf "%.1f [%.1f-%.1f]", v[int((NR + 1) / 2)], v[1], v[NR] }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# The number logged after "$1" in the log file $2.
logged() { sed -n "s/.*solvane.timing.* $1 \([0-9.]*\).*/\1/p" "$2" | head -n 1; }

failed=0
check() {  # check NAME VALUE LIMIT UNIT [<]: VALUE must stay at or below LIMIT (below with <)
    local verdict=ok op=${5:-<=}
    awk -v v="$2" -v l="$3" -v op="$op" 'BEGIN { exit !(op == "<" ? v < l : v <= l) }' ||
        { verdict=MISSED; failed=1; }
    printf '  %-44s %10s %-3s (target %s %s) %s\n' "$1" "$2" "$4" "$op" "$3" "$verdict"
}

# Starts the program ($1: the home, $2: "timing" to log the moments) and records, in files of
# $work named by $3: the milliseconds to its window's map, and its resident KiB once it has read
# its calendars (with the moments logged) or a second after the map.
launch_solvane() {
    local home=$1 timing=$2 name=$3 log=$work/run.log timed
    local rules=''
    [[ $timing == timing ]] && rules='solvane.timing.info=true'
    timed=$(in_home "$home" env ${rules:+QT_LOGGING_RULES=$rules} \
        "$timer_exe" Solvane "$work/solvane" 2>"$log") ||
        { cat "$log" >&2; echo "bench-events: Solvane showed no window" >&2; exit 1; }
    local ms launched
    read -r ms app_pid <<<"$timed"
    launched=$(sed -n 's/^launched_monotonic_ms=//p' <<<"$timed")
    echo "$ms" >>"$work/map-$name"
    if [[ $timing == timing ]]; then
        for _ in $(seq 600); do grep -q 'longest turn' "$log" && break; sleep 0.05; done
        grep -q 'longest turn' "$log" ||
            { cat "$log" >&2; echo "bench-events: the calendar's marks never showed" >&2; exit 1; }
        local start marks window days
        days=$(sed -n 's/.*solvane.timing.* days \(.*\)/\1/p' "$log" | tail -n 1)
        if [[ -z $first_day ]]; then
            read -r first_day _ last_day <<<"$days"
        elif [[ $days != "$first_day to $last_day" ]]; then
            echo "bench-events: the program read the days $days, not $first_day to $last_day" >&2
            exit 1
        fi
        start=$(logged 'calendars start at' "$log")
        awk -v a="$(logged 'calendars started at' "$log")" -v s="$start" 'BEGIN { printf "%.1f\n", a - s }' \
            >>"$work/start-turn"
        marks=$(logged 'marks painted at' "$log")
        window=$(logged 'window painted at' "$log")
        awk -v m="$marks" -v l="$launched" 'BEGIN { printf "%.1f\n", m - l }' >>"$work/launch-to-marks"
        awk -v m="$marks" -v s="$start" 'BEGIN { printf "%.1f\n", m - s }' >>"$work/start-to-marks"
        awk -v m="$marks" -v l="$launched" -v w="$ms" 'BEGIN { printf "%.1f\n", m - l - w }' \
            >>"$work/marks-after-map"
        awk -v w="$window" -v l="$launched" 'BEGIN { printf "%.1f\n", w - l }' >>"$work/launch-to-paint"
        sed -n 's/.*longest turn of the event loop \([0-9.]*\) ms, \([0-9.]*\) ms after.*/\1 \2/p' "$log" >"$work/turns"
        read -r longest after <"$work/turns"
        echo "$longest" >>"$work/turn-all"
        echo "$after" >>"$work/turn-after-paint"
        sleep 0.5
    else
        sleep 1
    fi
    rss_kib "$app_pid" >>"$work/rss-$name"
    cat "$log" >>"$work/app.log"
    stop_app
}

launch_frames() {
    local timed ms
    timed=$("$timer_exe" BareFrameWindow "$work/bench-bare-window" frames 2>>"$work/app.log") ||
        { echo "bench-events: the bare window showed no window" >&2; exit 1; }
    read -r ms app_pid <<<"$timed"
    echo "$ms" >>"$work/map-frames"
    sleep 1
    rss_kib "$app_pid" >>"$work/rss-frames"
    stop_app
}

# Runs "$@", keeping its standard output in $work/out, and appends the CPU time it took (user
# and system, in ms) to the file $1: on a busy machine a fairer comparison than the wall clock.
cpu_time_of() {
    local file=$1 TIMEFORMAT='%U %S'
    shift
    { time "$@" >"$work/out"; } 2>"$work/cpu"
    awk '{ printf "%.1f\n", ($1 + $2) * 1000 }' "$work/cpu" >>"$file"
}

run_libical() {
    cpu_time_of "$work/libical-cpu" \
        "$dump_exe" --from "$first_day" --until "$(date -d "$last_day + 1 day" +%F)" --bare 1 "$calendar"
    sed -n 's/.*total_ms=\([0-9.]*\).*/\1/p' "$work/out" >>"$work/libical"
}

run_model() {
    local line
    cpu_time_of "$work/model-cpu" "$model_exe" "$calendar" "$first_day" "$last_day" Europe/Berlin
    line=$(cat "$work/out")
    sed -n 's/.*longest_stall_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$work/model-stall"
    sed -n 's/.*load_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$work/model-load"
}

# A first launch, not counted, learns the days and brings the files into the page cache.
launch_solvane with timing warm
rm -f "$work"/map-* "$work"/rss-* "$work"/launch-to-* "$work"/start-to-marks "$work"/marks-after-map \
    "$work"/turn-* "$work"/start-turn
echo "Solvane events benchmark: $solvane_exe under Xvfb :$display; calendar $(stat -c %s "$calendar") bytes,"
echo "days $first_day to $last_day in $TZ; $rounds interleaved rounds, order rotated; load $(cut -d' ' -f1-3 /proc/loadavg)"
steps=(timed with without frames libical model)
for round in $(seq 0 $((rounds - 1))); do
    for j in $(seq 0 $((${#steps[@]} - 1))); do
        step=${steps[$(((round + j) % ${#steps[@]}))]}
        case $step in
            timed) launch_solvane with timing timed ;;
            with) launch_solvane with quiet with ;;
            without) launch_solvane without quiet without ;;
            frames) launch_frames ;;
            libical) run_libical ;;
            model) run_model ;;
        esac
    done
done

echo "Medians [min-max], ms unless said:"
printf '  %-44s %s\n' \
    "launch to the calendar's marks on screen" "$(summary <"$work/launch-to-marks")" \
    "calendars begin to be read, to marks" "$(summary <"$work/start-to-marks")" \
    "launch to marks, minus launch to first window" "$(summary <"$work/marks-after-map")" \
    "libical parse + expansion, same days" "$(summary <"$work/libical")" \
    "bench-events-model, bytes to index" "$(summary <"$work/model-load")" \
    "CPU time: libical's whole process" "$(summary <"$work/libical-cpu")" \
    "CPU time: bench-events-model's whole process" "$(summary <"$work/model-cpu")" \
    "first window: with the calendar" "$(summary <"$work/map-with")" \
    "first window: with it, timing logged" "$(summary <"$work/map-timed")" \
    "first window: no calendar" "$(summary <"$work/map-without")" \
    "first window: twelve empty frames" "$(summary <"$work/map-frames")" \
    "longest event-loop turn, start to marks" "$(summary <"$work/turn-all")" \
    "  the calendars' start, one of those turns" "$(summary <"$work/start-turn")" \
    "  the same after the window's first paint" "$(summary <"$work/turn-after-paint")" \
    "  bench-events-model's longest stall" "$(summary <"$work/model-stall")"
printf '  %-44s %s MiB\n' \
    "resident memory, calendar read" "$(median <"$work/rss-timed" | awk '{ printf "%.1f", $1 / 1024 }')" \
    "resident memory, calendar read, no timing" "$(median <"$work/rss-with" | awk '{ printf "%.1f", $1 / 1024 }')" \
    "resident memory, no calendar" "$(median <"$work/rss-without" | awk '{ printf "%.1f", $1 / 1024 }')" \
    "resident memory, twelve empty frames" "$(median <"$work/rss-frames" | awk '{ printf "%.1f", $1 / 1024 }')"
libical=$(median <"$work/libical")
check "calendar read to marks / libical" "$(ratio "$(median <"$work/start-to-marks")" "$libical")" 1.3 x
check "marks after first window / libical" "$(ratio "$(median <"$work/marks-after-map")" "$libical")" 1.3 x
printf '  %-44s %10s x\n' "bench-events-model / libical" "$(ratio "$(median <"$work/model-load")" "$libical")" \
    "the same in CPU time (processes whole)" \
    "$(ratio "$(median <"$work/model-cpu")" "$(median <"$work/libical-cpu")")"
check "first window with calendar / empty frames" \
    "$(ratio "$(median <"$work/map-with")" "$(median <"$work/map-frames")")" 1.1 x
printf '  %-44s %10s x\n' "first window without calendar / empty frames" \
    "$(ratio "$(median <"$work/map-without")" "$(median <"$work/map-frames")")"
check "longest busy turn while it loaded" "$(median <"$work/turn-all")" 50 ms '<'
check "longest busy turn after the first paint" "$(median <"$work/turn-after-paint")" 50 ms '<'
check "bench-events-model's longest stall" "$(median <"$work/model-stall")" 50 ms '<'
printf '  %-44s %10s MiB\n' "memory the calendar adds" \
    "$(awk -v a="$(median <"$work/rss-with")" -v b="$(median <"$work/rss-without")" 'BEGIN { printf "%.1f", (a - b) / 1024 }')"

# Idle with the calendar read, as bench-idle.sh measures it: the wall clock set by libfaketime
# (the monotonic clock left alone), the window left to settle, then CPU time and wake-ups.
if [[ -z ${SKIP_IDLE:-} ]]; then
    # Through env, which becomes the program: $! is the program's own id.
    env XDG_CONFIG_HOME="$work/with/config" XDG_CACHE_HOME="$work/with/cache" \
        XDG_DATA_HOME="$work/with/data" LD_PRELOAD="$libfaketime" FAKETIME="@$ordinary_day" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "$work/solvane" >>"$work/app.log" 2>&1 &
    app_pid=$!
    xdotool search --sync --onlyvisible --name Solvane >/dev/null
    sleep "$settle_seconds"
    ticks0=$(cpu_ticks "$app_pid") ns0=$(cpu_ns "$app_pid") sw0=$(wakeups "$app_pid")
    sleep "$idle_seconds"
    ticks1=$(cpu_ticks "$app_pid") ns1=$(cpu_ns "$app_pid") sw1=$(wakeups "$app_pid")
    echo "Idle with the calendar (faketime '$ordinary_day', ${idle_seconds} s after ${settle_seconds} s to settle):"
    check "idle CPU, % of one core" \
        "$(awk -v n=$((ns1 - ns0)) -v s="$idle_seconds" 'BEGIN { printf "%.4f", n / (s * 1e7) }')" 0.05 "%"
    printf '  %-44s %10s %%   (utime+stime: %d ticks)\n' "idle CPU from /proc/pid/stat" \
        "$(awk -v t=$((ticks1 - ticks0)) -v s="$idle_seconds" -v hz="$(getconf CLK_TCK)" \
            'BEGIN { printf "%.4f", t * 100 / (s * hz) }')" $((ticks1 - ticks0))
    check "wake-ups per second" \
        "$(awk -v w=$((sw1 - sw0)) -v s="$idle_seconds" 'BEGIN { printf "%.2f", w / s }')" 1 "/s"
    printf '  %-44s %10s MiB\n' "resident memory" "$(awk -v k="$(rss_kib "$app_pid")" 'BEGIN { printf "%.1f", k / 1024 }')"
    stop_app
fi
exit "$failed"
