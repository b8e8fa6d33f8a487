#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Under a file size limit of 0 with its error output going to a file, the program starts and
# runs: its first warning may not be written, but the signal for that must not end it. The
# real program runs offscreen for 3 seconds and is then stopped; dying earlier fails.
# Usage: file-size-limit.sh SOLVANE
set -euo pipefail
binary=$1
dir=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$dir"' EXIT
cp "$binary" "$dir/solvane"
printf '00\r\n\r\n\r\n\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
    >"$dir/prefs.cal"
# Qt warns at once about a missing runtime folder, so the first write comes early.
unset XDG_RUNTIME_DIR
export QT_QPA_PLATFORM=offscreen
status=0
(
    ulimit -f 0
    exec "$dir/solvane" 2>"$dir/err.txt"
) &
program=$!
sleep 3
if kill "$program" 2>/dev/null; then
    wait "$program" || true
    echo "PASS: still running after 3 s with a file size limit of 0"
    exit 0
fi
wait "$program" || status=$?
echo "FAIL: the program ended with status $status$( ((status > 128)) && echo " (signal $((status - 128)))")"
exit 1
