#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Builds the libFuzzer targets (clang, the "fuzz" preset) and fuzzes each for its share of
# the given number of seconds (60 in all by default): the preferences file's load, the date
# and place text readers, the iCalendar reader and the list of calendars' file. The prefs target first loads a few
# hostile files in full (a 10 MB line, lone CRs, NULs). New inputs collect in fuzz-corpus/,
# crashes in fuzz-corpus/artifacts/. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${SOLVANE_FUZZ_BUILD_DIR:-build-fuzz}
targets=(prefs texts icalendar calendar_list)
share=$((seconds / ${#targets[@]}))
[ "$share" -ge 1 ] || share=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

./scripts/setup.sh
cmake --preset fuzz -B "$build" >"$work/configure.log" 2>&1 || { cat "$work/configure.log" >&2; exit 1; }
if ! cmake --build "$build" -j2 --target solvane_fuzz >"$work/build.log" 2>&1; then
    echo "fuzz.sh: the fuzz targets did not build:" >&2
    grep -E -A5 'error|FAILED' "$work/build.log" | head -n 60 >&2
    exit 1
fi
mkdir -p fuzz-corpus/artifacts
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Inputs too large or too regular for the fuzzer to come upon by itself.
hostile=$work/hostile
mkdir -p "$hostile"
head -c 10485760 /dev/zero | tr '\0' '7' >"$hostile/ten-megabyte-line"
{ printf '00\r\n\r\n\r\n\r\n'; head -c 10485760 /dev/zero | tr '\0' 'x'; } >"$hostile/ten-megabyte-colour"
head -c 100000 /dev/zero | tr '\0' '\r' >"$hostile/lone-crs"
head -c 4096 /dev/zero >"$hostile/nuls"
printf '11\0\r\n\xb0\0\r\n\0\r\n\0\r\n16711680\0\r\n' >"$hostile/nuls-inside-lines"

status=0
total=0
for target in "${targets[@]}"; do
    binary=$build/tests/fuzz/fuzz_$target
    log=$work/$target.log
    mkdir -p "fuzz-corpus/$target"
    options=(-timeout=10 -rss_limit_mb=4096 "-artifact_prefix=fuzz-corpus/artifacts/$target-")
    if [ "$target" = prefs ]; then
        if ! "$binary" "${options[@]}" "$hostile"/* >"$log" 2>&1; then
            echo "fuzz.sh: fuzz_$target failed on a hostile input:" >&2
            tail -n 40 "$log" >&2
            status=1
            continue
        fi
    fi
    case $target in
    prefs | calendar_list) max_len=4096 ;;
    icalendar) max_len=8192 ;; # room for a VTIMEZONE and a few events
    *) max_len=256 ;;
    esac
    if "$binary" "${options[@]}" -max_len="$max_len" -max_total_time="$share" -print_final_stats=1 \
        "fuzz-corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1/p' "$log")
        echo "fuzz_$target: ${runs:-?} executions in $share s ($(( ${runs:-0} / (share > 0 ? share : 1) )) a second), no fault found"
        total=$((total + ${runs:-0}))
    else
        echo "fuzz.sh: fuzz_$target found a fault; reproduce with: $binary <artifact>" >&2
        grep -E '^(==[0-9]+==|SUMMARY|artifact_prefix|Test unit written|fuzz_)' "$log" | head -n 20 >&2
        tail -n 30 "$log" >&2
        status=1
    fi
done
echo "fuzz.sh: $total executions in all"
exit $status
