// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The difference between the uniform time of the ephemerides (TT) and the time the Earth's
// rotation keeps (UT): a minute now, hours in antiquity and in the far future, where it is
// an extrapolation.

namespace solvane::astro {

// TT - UT in seconds for a (fractional) Gregorian year.
double deltaTSeconds(double year);

}  // namespace solvane::astro
