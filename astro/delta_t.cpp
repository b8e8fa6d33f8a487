// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "delta_t.h"

namespace solvane::astro {

namespace {

// The long-term parabola of Morrison and Stephenson, seconds.
double parabola(double year) {
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u;
}

}  // namespace

// The polynomials of Espenak and Meeus (2006), fitted to the observed values of the
// centuries since the telescope and joined to the parabola beyond them.
double deltaTSeconds(double year) {
    if (year < -500 || year >= 2150) {
        return parabola(year);
    }
    if (year < 500) {
        const double u = year / 100;
        return 10583.6 +
               u * (-1014.41 +
                    u * (33.78311 + u * (-5.952053 +
                                         u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (year < 1600) {
        const double u = (year - 1000) / 100;
        return 1574.2 +
               u * (-556.01 +
                    u * (71.23472 + u * (0.319781 + u * (-0.8503463 +
                                                         u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (year < 1700) {
        const double t = year - 1600;
        return 120 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129;
    }
    if (year < 1800) {
        const double t = year - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t -
               t * t * t * t / 1174000;
    }
    if (year < 1860) {
        const double t = year - 1800;
        const double t2 = t * t;
        return 13.72 - 0.332447 * t + 0.0068612 * t2 + 0.0041116 * t2 * t - 0.00037436 * t2 * t2 +
               0.0000121272 * t2 * t2 * t - 0.0000001699 * t2 * t2 * t2 +
               0.000000000875 * t2 * t2 * t2 * t;
    }
    if (year < 1900) {
        const double t = year - 1860;
        const double t2 = t * t;
        return 7.62 + 0.5737 * t - 0.251754 * t2 + 0.01680668 * t2 * t - 0.0004473624 * t2 * t2 +
               t2 * t2 * t / 233174;
    }
    if (year < 1920) {
        const double t = year - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * t * t * t * t;
    }
    if (year < 1941) {
        const double t = year - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (year < 1961) {
        const double t = year - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (year < 1986) {
        const double t = year - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (year < 2005) {
        const double t = year - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * t * t * t * t + 0.00002373599 * t * t * t * t * t;
    }
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    return parabola(year) - 0.5628 * (2150 - year);
}

}  // namespace solvane::astro
