#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Redraws every picture in resources/ (moon pictures, strip texture, button faces, icons)
# with tools/make-pictures. The pictures are drawn deterministically, so an unchanged
# drawing leaves the files byte for byte as they were; check in whatever changes.
#   scripts/make-pictures.sh [BUILD_DIR]      (default: build-pictures)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-pictures}"

if [[ ! -f "$build/build.ninja" && ! -f "$build/Makefile" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target make-pictures -j2 >/dev/null
"$build/tools/make-pictures/make-pictures" "$root/resources"
echo "make-pictures: pictures written to $root/resources"
