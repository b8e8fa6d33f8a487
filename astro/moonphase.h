// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The moon's phase angle from a local date and time, and the choice of one of 28 pictures.
// The angle is in radians: 0 new moon, pi/2 first quarter, pi full moon, 3pi/2 last quarter.

#include "dates.h"

namespace solvane::astro {

inline constexpr int kCumulativeDays[13] = {0,   0,   31,  59,  90,  120, 151,
                                            181, 212, 243, 273, 304, 334};

// The phase angle in (0, 2pi] for a moment of local time; phase 0 falls on 15 February 1999,
// 07:33:00 and the synodic month is taken as 2551682.78 seconds.
double moonPhaseAngle(const DateTime& local);

// The bucket k (1 .. 56) whose thresholds enclose the angle strictly; 0 when the angle
// equals a threshold or lies outside them.
int moonBucket(double angle);
// The picture (1 .. 28) that a bucket shows.
int moonPictureForBucket(int bucket);
// The picture for an angle, 0 when no bucket matches.
int moonPicture(double angle);

}  // namespace solvane::astro
