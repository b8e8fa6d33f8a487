#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Compares the almanac's sunrise and sunset on a zone's wall clock (--tz) with an independent
# ephemeris, PyEphem (Debian's python3-ephem, installed here when missing), for the reference
# cities of the zone table over a whole year, the days clocks change included. A benchmark,
# not a test: it prints figures.
#   scripts/bench-ephem.sh [year] [cities]   (default 2026, 150 cities; 0 for every city)
#
# Fair comparison: the almanac takes rise and set as the moment the sun's centre is 90.833
# degrees from the zenith, refraction and the sun's half-width folded into that angle. PyEphem
# is asked for the same: no atmosphere of its own (pressure 0), a horizon of -0:50 (-0.833
# degrees) and the sun's centre (use_center). Times are compared on the wall clock, each
# converted by Python's own zone reader, so a wrong offset shows as a difference of an hour.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
year="${1:-2026}"
cities="${2:-150}"
build="${BENCH_BUILD_DIR:-$root/build-bench}"
zoneinfo="${TZDIR:-/usr/share/zoneinfo}"

# Debian's package goes to Debian's own Python, whichever python3 comes first in PATH.
python=/usr/bin/python3
[[ -x "$python" ]] || python=python3

if ! "$python" -c 'import ephem' 2>/dev/null; then
    as_root=()
    [[ $(id -u) -eq 0 ]] || as_root=(sudo)
    echo "bench-ephem: installing python3-ephem" >&2
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends python3-ephem </dev/null >/dev/null ||
        { "${as_root[@]}" apt-get update -qq && "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends python3-ephem </dev/null >/dev/null; }
fi

if [[ -z "${ALMANAC:-}" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSOLVANE_GUI=OFF \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target solvane-almanac -j2 >/dev/null
    ALMANAC="$build/tools/almanac/solvane-almanac"
fi

exec "$python" "$root/scripts/bench-ephem.py" "$ALMANAC" "$zoneinfo" "$year" "$cities"
