// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The moon as it stands in the sky at an instant: how far it is east of the sun, and how much
// of its disc is lit. Instants are Julian days in UT (2451545.0 is 1 January 2000, 12:00 UT).

#include "dates.h"

namespace solvane::astro {

struct MoonAspect {
    // The moon's apparent geocentric ecliptic longitude less the sun's, radians in (0, 2pi]:
    // 0 new moon, pi/2 first quarter, pi full moon, 3pi/2 last quarter.
    double elongation = 0;
    // The share of the disc lit as seen from the Earth's centre, 0 .. 1.
    double litFraction = 0;
};

MoonAspect moonAspect(double julianDayUt);
// The elongation alone, as moonAspect gives it, for searches that need nothing else.
double moonElongation(double julianDayUt);

// The Julian day of a moment of local time that is `utcOffsetSeconds` ahead of UT.
double julianDayUt(const DateTime& local, long utcOffsetSeconds);

// The Julian day of 1970-01-01 00:00 UT, where the seconds of the time zones count from.
inline constexpr double kUnixEpochJulianDay = 2440587.5;

}  // namespace solvane::astro
