#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Sets the machine up and runs every check: the release build and its whole CTest suite, the
# same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and a one-minute fuzz
# run. Each stage runs even when an earlier one failed; the last line sums up, and the exit
# status is non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."

build=${SOLVANE_BUILD_DIR:-build}
asan_build=${SOLVANE_ASAN_BUILD_DIR:-build-asan}
export SOLVANE_FUZZ_BUILD_DIR=${SOLVANE_FUZZ_BUILD_DIR:-build-fuzz}
fuzz_seconds=${SOLVANE_FUZZ_SECONDS:-60}

start=$SECONDS
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
passed=0 failed=0 skipped=0
problems=()

stage() { echo; echo "== $1 (at $((SECONDS - start)) s)"; }
problem() { problems+=("$1"); failed=$((failed + 1)); }

configure() { # preset dir log [cache settings...]
    cmake --preset "$1" -B "$2" "${@:4}" >"$3" 2>&1 && return 0
    # A build folder made earlier with another generator: start it afresh.
    if grep -q 'Does not match the generator used previously' "$3"; then
        rm -rf "$2/CMakeCache.txt" "$2/CMakeFiles"
        cmake --preset "$1" -B "$2" "${@:4}" >"$3" 2>&1 && return 0
    fi
    cat "$3"
    return 1
}

suite() { # name preset dir "cache settings" [VARIABLE=value for the tests...]
    local name=$1 preset=$2 dir=$3 began=$SECONDS
    local -a settings
    read -ra settings <<<"$4"
    stage "$name: configure and build ($dir)"
    if ! configure "$preset" "$dir" "$logs/$name-configure.log" "${settings[@]}"; then
        problem "$name: configure failed"
        return
    fi
    if ! cmake --build "$dir" -j2 >"$logs/$name-build.log" 2>&1; then
        grep -E -A8 'error|FAILED' "$logs/$name-build.log" | head -n 80
        problem "$name: build failed"
        return
    fi
    grep -E 'warning:' "$logs/$name-build.log" | sort -u | head -n 20
    echo "built in $((SECONDS - began)) s"

    stage "$name: tests"
    env "${@:5}" ctest --test-dir "$dir" --output-on-failure -j2 --no-tests=error 2>&1 |
        tee "$logs/$name-ctest.log"
    local summary total failures skips
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/$name-ctest.log" | tail -n 1)
    if [ -z "$summary" ]; then
        problem "$name: ctest ran no test"
        return
    fi
    total=${summary##* out of }
    failures=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    skips=$(grep -c '(Skipped)' "$logs/$name-ctest.log" || true)
    passed=$((passed + total - failures - skips))
    skipped=$((skipped + skips))
    failed=$((failed + failures))
    [ "$failures" -eq 0 ] || problems+=("$name: $failures of $total tests failed")
}

stage "setup"
if ! ./scripts/setup.sh; then
    echo "Summary: 0 passed, 1 failed"
    exit 1
fi

# Two full trees on two cores are most of the run's time, and most of a file's compile time
# is Qt's headers: the tests share one precompiled header of them, each library is compiled
# as a few large files, and gold links the two hundred programs in a third of bfd's time.
# (The fuzzing tree still compiles the libraries it uses one file at a time.)
fast_build="-DSOLVANE_PCH=ON -DCMAKE_UNITY_BUILD=ON"
suite release release "$build" "$fast_build -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-fuse-ld=gold"
# The same settings as the "asan" test preset, with line tables only: all a sanitizer's report
# needs, and a third less for the linker to read. The caches fontconfig keeps until exit are
# not leaks of ours: scripts/lsan.supp names them.
suite sanitizers asan "$asan_build" \
    "$fast_build -DCMAKE_EXE_LINKER_FLAGS_DEBUG=-fuse-ld=gold -DCMAKE_CXX_FLAGS_DEBUG=-g1" \
    ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
    LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

stage "fuzzing for $fuzz_seconds s"
./scripts/fuzz.sh "$fuzz_seconds" 2>&1 | tee "$logs/fuzz.log"
fuzz_status=${PIPESTATUS[0]}
fuzz_ok=$(grep -c 'no fault found' "$logs/fuzz.log" || true)
passed=$((passed + fuzz_ok))
if [ "$fuzz_status" -ne 0 ] || [ "$fuzz_ok" -lt 2 ]; then problem "fuzzing failed"; fi

echo
echo "== done in $((SECONDS - start)) s"
for p in "${problems[@]}"; do echo "FAILED: $p"; done
if [ "$skipped" -gt 0 ]; then
    echo "Summary: $passed passed, $failed failed, $skipped skipped"
else
    echo "Summary: $passed passed, $failed failed"
fi
[ "$failed" -eq 0 ]
