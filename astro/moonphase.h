// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The moon's phase angle at a local date and time, and the choice of one of 28 pictures.
// The angle is in radians: 0 new moon, pi/2 first quarter, pi full moon, 3pi/2 last quarter.

#include "dates.h"

namespace solvane::astro {

// The phase angle in (0, 2pi] of the moon in the sky at a moment of local time that is
// `utcOffsetSeconds` ahead of UT: its elongation from the sun (moon_sky.h).
double moonPhaseAngle(const DateTime& local, long utcOffsetSeconds);

// The bucket k (1 .. 56) whose thresholds enclose the angle strictly; 0 when the angle
// equals a threshold or lies outside them.
int moonBucket(double angle);
// The picture (1 .. 28) that a bucket shows.
int moonPictureForBucket(int bucket);
// The picture for an angle, 0 when no bucket matches.
int moonPicture(double angle);

}  // namespace solvane::astro
