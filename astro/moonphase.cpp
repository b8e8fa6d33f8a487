// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "moonphase.h"

#include "moon_sky.h"

namespace solvane::astro {

namespace {

// Angles where the lit fraction (1 - cos angle) / 2 reaches 1/56, 3/56, ... 55/56 while
// waxing, mirrored about pi while waning (the mirror of 29/56 is left out), so 56 buckets.
constexpr double kThresholds[57] = {
    0.0,
    0.267971686242562,
    0.467071686242562,
    0.606871686242562,
    0.722671686242562,
    0.824971686242562,
    0.918271686242562,
    1.00537168624256,
    1.08787168624256,
    1.16697168624256,
    1.24347168624256,
    1.31807168624256,
    1.39117168624256,
    1.46337168624256,
    1.53507168624256,
    1.60647168624256,
    1.67807168624256,
    1.75027168624256,
    1.82347168624256,
    1.89797168624256,
    1.97447168624256,
    2.05357168624256,
    2.13607168624256,
    2.22317168624256,
    2.31657168624256,
    2.41887168624256,
    2.53467168624256,
    2.67437168624256,
    2.87347168624256,
    3.40957168624256,
    3.60867168624256,
    3.74847168624256,
    3.86427168624256,
    3.96657168624256,
    4.05987168624256,
    4.14697168624256,
    4.22947168624256,
    4.30857168624256,
    4.38507168624256,
    4.45967168624256,
    4.53277168624256,
    4.60497168624256,
    4.74807168624256,
    4.81967168624256,
    4.89187168624256,
    4.96497168624256,
    5.03957168624256,
    5.11607168624256,
    5.19517168624256,
    5.27767168624256,
    5.36477168624256,
    5.45817168624256,
    5.56037168624256,
    5.67627168624256,
    5.81597168624256,
    6.01507168624256,
    10.0,
};

// Bucket k (between kThresholds[k - 1] and kThresholds[k]) to picture; index 0 is unused.
constexpr int kPictureOfBucket[57] = {
    0,  28, 1,  2,  2,  3,  3,  4,  4,  5,  5,  5,  5,  6,  6,  7,  7,  8,  8,
    8,  9,  9,  10, 10, 10, 11, 11, 12, 13, 14, 15, 15, 16, 16, 17, 17, 18, 18,
    18, 19, 19, 20, 20, 21, 21, 21, 22, 22, 22, 23, 23, 24, 24, 25, 26, 27, 28,
};

}  // namespace

double moonPhaseAngle(const DateTime& local, long utcOffsetSeconds) {
    return moonElongation(julianDayUt(local, utcOffsetSeconds));
}

int moonBucket(double angle) {
    for (int k = 1; k <= 56; ++k) {
        if (kThresholds[k - 1] < angle && angle < kThresholds[k]) {
            return k;
        }
    }
    return 0;
}

int moonPictureForBucket(int bucket) {
    return bucket >= 1 && bucket <= 56 ? kPictureOfBucket[bucket] : 0;
}

int moonPicture(double angle) {
    return moonPictureForBucket(moonBucket(angle));
}

}  // namespace solvane::astro
