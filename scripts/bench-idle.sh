#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# What Solvane costs while it waits for the user: CPU use and wake-ups while idle (on an
# ordinary day and on the first of a month, when a month shows today's date), and, from one
# run of interleaved launches with the order rotated and the real clock, the time to the first
# shown window and the resident memory next to those of two bare Qt windows: one holding
# twelve QCalendarWidgets and one with twelve empty frames in their place (the least any Qt
# window of this shape costs). A benchmark, not a test: it prints figures and checks them
# against the targets, and exits non-zero when one is missed.
#
# Usage: scripts/bench-idle.sh [BUILD_DIR]      (default: build)
# Needs: Xvfb, xdotool, libfaketime (package faketime); the targets solvane, bench-bare-window
# and bench-map-timer built in BUILD_DIR.
# Environment: IDLE_SECONDS (20), SETTLE_SECONDS (6), STARTUP_RUNS (41), SKIP_IDLE (unset).
set -euo pipefail

build_dir=${1:-build}
solvane_exe=$build_dir/app/solvane
bare_exe=$build_dir/tools/bench-bare-window/bench-bare-window
timer_exe=$build_dir/tools/bench-map-timer/bench-map-timer
idle_seconds=${IDLE_SECONDS:-20}
settle_seconds=${SETTLE_SECONDS:-6}  # longer than the 3 s of the start-up's sun display
startup_runs=${STARTUP_RUNS:-41}
ordinary_day='2026-12-07 10:00:00'
first_of_month='2026-12-01 10:00:00'

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "bench-idle: $tool is not installed" >&2; exit 2; }
done
# libfaketime is preloaded directly (not through the faketime wrapper, which would stand
# between this script and the process it measures).
libfaketime=''
for candidate in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1; do
    [[ -e $candidate ]] && { libfaketime=$candidate; break; }
done
[[ -n $libfaketime ]] || { echo "bench-idle: libfaketime is not installed" >&2; exit 2; }
for exe in "$solvane_exe" "$bare_exe" "$timer_exe"; do
    [[ -x $exe ]] || { echo "bench-idle: $exe is not built" >&2; exit 2; }
done

# A private copy of the program with a preferences file of its own, so that no real
# prefs.cal is read or written.
work=$(mktemp -d)
xvfb_pid=''
app_pid=''
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [[ -n ${KEEP_LOG:-} ]] && cp "$work/app.log" /tmp/bench-idle-app.log
    rm -rf "$work"
}
trap cleanup EXIT
cp "$solvane_exe" "$work/solvane"
cp "$bare_exe" "$work/bench-bare-window"
# Flags, longitude, latitude (New York), GMT offset and the six colours; 8-bit text, CR LF.
printf '00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$work/prefs.cal"

# A display of our own.
display=''
for n in $(seq 91 140); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=$n; break; fi
done
[[ -n $display ]] || { echo "bench-idle: no free X display" >&2; exit 2; }
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8

# Starts "$@" with the wall clock starting at $1, in the background; sets app_pid. The
# monotonic clock, which Qt's timers use, is left alone.
launch() {
    local when=$1
    shift
    LD_PRELOAD=$libfaketime FAKETIME="@$when" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        "$@" >>"$work/app.log" 2>&1 &
    app_pid=$!
}

# Ends the program and waits until it is gone, so that the next one starts alone (a program
# started by the stopwatch is no child of this shell: it is waited for by its state).
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
}

# Launches "$@" with the real clock (libfaketime alone adds much to a start) and prints the
# milliseconds to the X server's map of its first window titled $1 and, a second later, its
# resident KiB.
startup_and_rss() {
    local title=$1
    shift
    local timed
    timed=$("$timer_exe" "$title" "$@" 2>>"$work/app.log") ||
        { echo "bench-idle: $title showed no window" >&2; exit 1; }
    local ms
    read -r ms app_pid <<<"$timed"
    sleep 1
    echo "$ms $(rss_kib "$app_pid")"
    stop_app
    # The X server lets go of the window after the program has gone; the next start should
    # not share the machine with that.
    sleep 0.3
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# CPU time in clock ticks (utime + stime) of the process.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# CPU time in nanoseconds, summed over the process's threads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s + 0 }'; }
# Voluntary context switches, summed over the process's threads.
wakeups() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s + 0 }'
}
rss_kib() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }

failed=0
check() {  # check NAME VALUE LIMIT UNIT: VALUE must stay at or below LIMIT
    local verdict=ok
    awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }' || { verdict=MISSED; failed=1; }
    printf '  %-34s %10s %-8s (target <= %s) %s\n' "$1" "$2" "$4" "$3" "$verdict"
}

idle_run() {
    local label=$1 when=$2
    launch "$when" "$work/solvane"
    xdotool search --sync --onlyvisible --name Solvane >/dev/null
    sleep "$settle_seconds"
    local ticks0 ns0 sw0 ticks1 ns1 sw1
    ticks0=$(cpu_ticks "$app_pid") ns0=$(cpu_ns "$app_pid") sw0=$(wakeups "$app_pid")
    sleep "$idle_seconds"
    ticks1=$(cpu_ticks "$app_pid") ns1=$(cpu_ns "$app_pid") sw1=$(wakeups "$app_pid")
    local hz
    hz=$(getconf CLK_TCK)
    echo "$label (faketime '$when', ${idle_seconds} s after ${settle_seconds} s to settle):"
    check "idle CPU, % of one core" \
        "$(awk -v n=$((ns1 - ns0)) -v s="$idle_seconds" 'BEGIN { printf "%.4f", n / (s * 1e7) }')" 0.05 "%"
    printf '  %-34s %10s %%   (utime+stime: %d ticks of 1/%d s)\n' "idle CPU from /proc/pid/stat" \
        "$(awk -v t=$((ticks1 - ticks0)) -v s="$idle_seconds" -v hz="$hz" 'BEGIN { printf "%.4f", t * 100 / (s * hz) }')" \
        $((ticks1 - ticks0)) "$hz"
    check "wake-ups per second" \
        "$(awk -v w=$((sw1 - sw0)) -v s="$idle_seconds" 'BEGIN { printf "%.2f", w / s }')" 1 "/s"
    check "resident memory" "$(awk -v k="$(rss_kib "$app_pid")" 'BEGIN { printf "%.1f", k / 1024 }')" 40 "MiB"
    stop_app
}

echo "Solvane idle benchmark: $solvane_exe under Xvfb :$display"
if [[ -z ${SKIP_IDLE:-} ]]; then
    idle_run "Ordinary day" "$ordinary_day"
    idle_run "First of a month" "$first_of_month"
fi

# One run of interleaved launches, the order rotated each round, so that a busy spell of the
# machine falls on all three programs alike.
names=(solvane calendars frames)
titles=(Solvane BareYearWindow BareFrameWindow)
commands=("$work/solvane" "$work/bench-bare-window calendars" "$work/bench-bare-window frames")
for i in 0 1 2; do : >"$work/times-$i" && : >"$work/rss-$i"; done
for round in $(seq 0 $((startup_runs - 1))); do
    for j in 0 1 2; do
        i=$(((round + j) % 3))
        # shellcheck disable=SC2086  # the command's words are meant to split
        startup_and_rss "${titles[$i]}" ${commands[$i]} >"$work/last"
        read -r ms kib <"$work/last"
        echo "$ms" >>"$work/times-$i"
        echo "$kib" >>"$work/rss-$i"
    done
done
echo "Start-up to the first shown window and resident memory, median of $startup_runs interleaved runs"
echo "(real clock, no libfaketime):"
declare -A ms_of kib_of
for i in 0 1 2; do
    ms_of[${names[$i]}]=$(median <"$work/times-$i")
    kib_of[${names[$i]}]=$(median <"$work/rss-$i")
done
printf '  %-40s %8s ms %8s MiB\n' \
    "Solvane" "${ms_of[solvane]}" "$(awk -v k="${kib_of[solvane]}" 'BEGIN { printf "%.1f", k / 1024 }')" \
    "bare window, twelve QCalendarWidgets" "${ms_of[calendars]}" "$(awk -v k="${kib_of[calendars]}" 'BEGIN { printf "%.1f", k / 1024 }')" \
    "bare window, twelve empty frames" "${ms_of[frames]}" "$(awk -v k="${kib_of[frames]}" 'BEGIN { printf "%.1f", k / 1024 }')"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
check "start-up, Solvane / empty frames" "$(ratio "${ms_of[solvane]}" "${ms_of[frames]}")" 1.1 "x"
check "memory, Solvane / QCalendarWidgets" "$(ratio "${kib_of[solvane]}" "${kib_of[calendars]}")" 0.9 "x"
printf '  %-34s %10s x\n' "start-up, QCalendarWidgets / frames" "$(ratio "${ms_of[calendars]}" "${ms_of[frames]}")"
printf '  %-34s %10s x\n' "memory, frames / QCalendarWidgets" "$(ratio "${kib_of[frames]}" "${kib_of[calendars]}")"
exit "$failed"
