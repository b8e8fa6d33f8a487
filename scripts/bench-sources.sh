#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# What the calendar sources cost: a subscription of about 4.7 MB (the size of a busy
# calendar of 10,000 events) fetched over HTTPS from a server on 127.0.0.1, fetched again
# (answered 304), handed out from the disk cache at the next start without the network, and
# the CPU time and wake-ups of all the program's threads while it waits for the next refresh
# (the target is none). Wall-clock times count the test server too, which runs on the same
# thread; CPU times are given beside them for a busy machine. A benchmark, not a test.
#
# Usage: scripts/bench-sources.sh [BUILD_DIR]      (default: build)
# Needs: the target bench-sources built in BUILD_DIR (a build with tests).
# Environment: SIZE_BYTES (4700000), IDLE_SECONDS (10), RUNS (3).
set -euo pipefail

build_dir=${1:-build}
bench=$build_dir/tests/calendars/bench-sources
[ -x "$bench" ] || { echo "bench-sources: build the target bench-sources in $build_dir first" >&2; exit 2; }
runs=${RUNS:-3}

status=0
for run in $(seq "$runs"); do
    echo "run $run of $runs:"
    out=$("$bench") || { echo "bench-sources: run $run failed" >&2; exit 1; }
    sed 's/^/  /' <<<"$out"
    woken=$(sed -n 's/^idle wake-ups in [0-9]* s: //p' <<<"$out")
    # The one wake-up allowed is the benchmark's own timer that ends the idle wait.
    if [ "${woken:-99}" -gt 1 ]; then
        echo "  idle wake-ups: $woken, target at most 1 (the benchmark's own timer)"
        status=1
    fi
done
exit $status
