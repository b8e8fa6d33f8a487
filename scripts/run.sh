#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Sets the machine up, builds Solvane (release build in build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SOLVANE_BUILD_DIR:-build}

./scripts/setup.sh
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" -j2 --target solvane

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset), so Solvane cannot open its window; run this from a desktop session ($build/app/solvane is built)." >&2
    exit 1
fi
exec "$build/app/solvane"
