// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The instants of the four principal phases: when the moon's elongation from the sun (see
// moon_sky.h) is 0, pi/2, pi or 3pi/2. Instants are Julian days in UT.

#include <vector>

namespace solvane::astro {

enum class PrincipalPhase { NewMoon, FirstQuarter, FullMoon, LastQuarter };

struct PhaseInstant {
    PrincipalPhase phase = PrincipalPhase::NewMoon;
    double julianDayUt = 0;
    bool operator==(const PhaseInstant&) const = default;
};

// The instant of `phase` nearest to `julianDayUt` (within half a lunation of it).
double principalPhaseNear(PrincipalPhase phase, double julianDayUt);

// Every principal phase from `fromJulianDayUt` (included) to `toJulianDayUt` (excluded), in
// time order; empty when the range is empty or not a range of finite numbers.
std::vector<PhaseInstant> principalPhasesBetween(double fromJulianDayUt, double toJulianDayUt);

// "new moon", "first quarter", "full moon", "last quarter".
const char* principalPhaseName(PrincipalPhase phase);

}  // namespace solvane::astro
