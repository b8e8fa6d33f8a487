// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "moon_sky.h"

#include <cmath>
#include <numbers>

#include "delta_t.h"

namespace solvane::astro {

namespace {

// The positions follow Jean Meeus, Astronomical Algorithms (2nd ed., 1998): the Sun of
// chapter 25 (about 0.01 degree) and the Moon of chapter 47 (about 10" in longitude), the
// lit fraction of chapter 48.

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kJ2000 = 2451545.0;                  // Julian day of 2000-01-01 12:00 TT
constexpr double kDaysPerCentury = 36525;             // Julian century
constexpr double kJulianDayOfSerialZero = 2415018.5;  // 1899-12-30 00:00
constexpr double kAstronomicalUnitKm = 149597870.7;

struct Ecliptic {
    double longitude;  // degrees, equinox of date
    double latitude;   // degrees
    double distanceKm;
};

// One periodic term: multiples of D, M, M', F and the amplitudes of the sine in longitude
// (1e-6 degree) and of the cosine in distance (1e-3 km).
struct LunarTerm {
    signed char d, m, mp, f;
    int longitude, distance;
};

constexpr LunarTerm kLongitudeDistance[] = {
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
};

// The larger half of the latitude series (1e-6 degree, sines); the rest stay below 0.001
// degree together, far below what the lit fraction can show.
struct LatitudeTerm {
    signed char d, m, mp, f;
    int latitude;
};

constexpr LatitudeTerm kLatitude[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},
};

// A polynomial in Julian centuries, degrees.
double polynomial(double t, double c0, double c1, double c2, double c3 = 0, double c4 = 0) {
    return c0 + t * (c1 + t * (c2 + t * (c3 + t * c4)));
}

double sinDegrees(double degrees) {
    return std::sin(std::fmod(degrees, 360) * kDegree);
}

double cosDegrees(double degrees) {
    return std::cos(std::fmod(degrees, 360) * kDegree);
}

// The cosine and sine of an angle: a turn of the plane, so that the turns of a sum of
// angles are the products of theirs.
struct Turn {
    double c = 1;
    double s = 0;
    Turn operator*(const Turn& o) const { return {c * o.c - s * o.s, s * o.c + c * o.s}; }
};

// The turns of -4 .. 4 times an angle in degrees, built by multiplication: a few products
// instead of a sine for every term of the series.
class Multiples {
public:
    explicit Multiples(double degrees) {
        const double radians = std::fmod(degrees, 360) * kDegree;
        turns_[kMiddle] = {};
        turns_[kMiddle + 1] = {std::cos(radians), std::sin(radians)};
        for (int k = 2; k <= kMiddle; ++k) {
            turns_[kMiddle + k] = turns_[kMiddle + k - 1] * turns_[kMiddle + 1];
        }
        for (int k = 1; k <= kMiddle; ++k) {
            turns_[kMiddle - k] = {turns_[kMiddle + k].c, -turns_[kMiddle + k].s};
        }
    }
    const Turn& operator[](int multiple) const { return turns_[kMiddle + multiple]; }

private:
    static constexpr int kMiddle = 4;  // the largest multiple in the series
    Turn turns_[2 * kMiddle + 1];
};

// The fundamental arguments of the lunar series at t Julian centuries of TT, degrees.
struct LunarArguments {
    double lp;  // mean longitude
    double d;   // mean elongation
    double m;   // the Sun's mean anomaly
    double mp;  // the Moon's mean anomaly
    double f;   // argument of latitude
    double a1;  // Venus
    double a2;  // Jupiter
    double a3;
    // The Earth's orbit grows less eccentric: terms in M are scaled by E, in 2M by E squared.
    double eccentricity[3];
    Multiples dTurns, mTurns, mpTurns, fTurns;

    explicit LunarArguments(double t)
        : lp(polynomial(t, 218.3164477, 481267.88123421, -0.0015786, 1.0 / 538841,
                        -1.0 / 65194000)),
          d(polynomial(t, 297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868, -1.0 / 113065000)),
          m(polynomial(t, 357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000)),
          mp(polynomial(t, 134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699, -1.0 / 14712000)),
          f(polynomial(t, 93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000, 1.0 / 863310000)),
          a1(119.75 + 131.849 * t),
          a2(53.09 + 479264.290 * t),
          a3(313.45 + 481266.484 * t),
          eccentricity{1, 0, 0},
          dTurns(d),
          mTurns(m),
          mpTurns(mp),
          fTurns(f) {
        const double e = 1 - t * (0.002516 + t * 0.0000074);
        eccentricity[1] = e;
        eccentricity[2] = e * e;
    }

    // The cosine and sine of the term's argument.
    template <typename Term>
    Turn turnOf(const Term& term) const {
        return dTurns[term.d] * mTurns[term.m] * mpTurns[term.mp] * fTurns[term.f];
    }
    template <typename Term>
    double scaleOf(const Term& term) const {
        return eccentricity[std::abs(term.m)];
    }
};

// The geometric Moon's longitude, referred to the mean equinox of date, degrees.
double moonLongitude(const LunarArguments& a) {
    double sum = 0;
    for (const LunarTerm& term : kLongitudeDistance) {
        sum += term.longitude * a.scaleOf(term) * a.turnOf(term).s;
    }
    sum += 3958 * sinDegrees(a.a1) + 1962 * sinDegrees(a.lp - a.f) + 318 * sinDegrees(a.a2);
    return a.lp + sum / 1e6;
}

Ecliptic moonPosition(const LunarArguments& a) {
    double sumR = 0;
    for (const LunarTerm& term : kLongitudeDistance) {
        sumR += term.distance * a.scaleOf(term) * a.turnOf(term).c;
    }
    double sumB = 0;
    for (const LatitudeTerm& term : kLatitude) {
        sumB += term.latitude * a.scaleOf(term) * a.turnOf(term).s;
    }
    sumB += -2235 * sinDegrees(a.lp) + 382 * sinDegrees(a.a3) + 175 * sinDegrees(a.a1 - a.f) +
            175 * sinDegrees(a.a1 + a.f) + 127 * sinDegrees(a.lp - a.mp) -
            115 * sinDegrees(a.lp + a.mp);
    return {moonLongitude(a), sumB / 1e6, 385000.56 + sumR / 1000};
}

// The Sun's true longitude less the aberration, mean equinox of date, so that it stands
// against the Moon's as they are seen; t in Julian centuries of TT.
Ecliptic sunPosition(double t) {
    const double l0 = polynomial(t, 280.46646, 36000.76983, 0.0003032);  // mean longitude
    const double m = polynomial(t, 357.52911, 35999.05029, -0.0001537);  // mean anomaly
    const double e = polynomial(t, 0.016708634, -0.000042037, -0.0000001267);
    const double centre = (1.914602 - t * (0.004817 + t * 0.000014)) * sinDegrees(m) +
                          (0.019993 - 0.000101 * t) * sinDegrees(2 * m) +
                          0.000289 * sinDegrees(3 * m);
    const double trueAnomaly = m + centre;
    const double radiusAu = 1.000001018 * (1 - e * e) / (1 + e * cosDegrees(trueAnomaly));
    constexpr double kAberration = 0.00569;  // degrees, the shift of 20.5" at 1 au
    return {l0 + centre - kAberration, 0, radiusAu * kAstronomicalUnitKm};
}

// Radians in (0, 2pi].
double withinATurn(double degrees) {
    double angle = std::fmod(degrees, 360) * kDegree;
    if (angle <= 0) {
        angle += kTwoPi;
    }
    return angle;
}

// Julian centuries of TT from J2000.0.
double centuriesOf(double julianDayUt) {
    // The calendar year, to a day or so, is all the difference of clocks needs.
    const double year = 2000 + (julianDayUt - kJ2000) / 365.2425;
    return (julianDayUt + deltaTSeconds(year) / 86400 - kJ2000) / kDaysPerCentury;
}

}  // namespace

double moonElongation(double julianDayUt) {
    const double t = centuriesOf(julianDayUt);
    return withinATurn(moonLongitude(LunarArguments(t)) - sunPosition(t).longitude);
}

MoonAspect moonAspect(double julianDayUt) {
    const double t = centuriesOf(julianDayUt);
    const Ecliptic moon = moonPosition(LunarArguments(t));
    const Ecliptic sun = sunPosition(t);
    // Nutation moves both longitudes alike and so drops out of their difference.
    const double elongation = withinATurn(moon.longitude - sun.longitude);
    // The angle at the Moon between the Sun and the Earth decides the share lit.
    const double cosPsi = std::cos(moon.latitude * kDegree) * std::cos(elongation);
    const double psi = std::acos(cosPsi);
    const double phaseAngle =
        std::atan2(sun.distanceKm * std::sin(psi), moon.distanceKm - sun.distanceKm * cosPsi);
    return {elongation, (1 + std::cos(phaseAngle)) / 2};
}

double julianDayUt(const DateTime& local, long utcOffsetSeconds) {
    const double secondOfDay = ((local.hour * 60.0 + local.minute) * 60 + local.second) +
                               local.msec / 1000.0 - static_cast<double>(utcOffsetSeconds);
    return kJulianDayOfSerialZero + static_cast<double>(daySerial(local.date)) +
           secondOfDay / 86400;
}

}  // namespace solvane::astro
