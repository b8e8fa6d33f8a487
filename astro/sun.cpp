// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "sun.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace solvane::astro {

namespace {

// The sun's position follows the low-precision series of van Flandern and Pulkkinen (1979);
// the hourly scan fits a parabola through three altitudes per hour. Every constant and the
// order of every sum below is part of the result: times are compared to the minute.
constexpr double P1 = 3.14159265;           // pi, to this precision on purpose
constexpr double P2 = 2 * P1;               // a full turn, radians
constexpr double DR = P1 / 180;             // radians per degree
constexpr double K1 = 15 * DR * 1.0027379;  // sidereal angle gained per solar hour, radians
constexpr double Z1 = 90.833 * DR;          // zenith distance at rise and set, radians

// Int(x): the whole part by truncation toward zero, kept as a double.
double Int(double x) {
    return std::trunc(x);
}

double sign(double x) {
    return x > 0 ? 1 : x < 0 ? -1 : 0;
}

// The working values that the scan's operations share, named as the formulas name them.
struct ScanState {
    double TT = 0;               // centuries from 1900 at 0 h UT of the date
    double T0 = 0;               // local sidereal time at the scan start, radians
    double S = 0, C = 0, Z = 0;  // sine and cosine of the latitude, cosine of Z1
    double A0 = 0, D0 = 0;       // the sun at the start of the hour
    double A2 = 0, D2 = 0;       // the sun at the end of the hour
    double V0 = 0, V2 = 0;       // altitude function at the start and end of the hour
    int eventKind = Sunrise;
    bool riseFound = false;
    bool setFound = false;
    bool military = false;
    SunScan result;
};

struct SunPosition {
    double A5;  // right ascension, radians
    double D5;  // declination, radians
};

// T: days from 2000 January 1, 12 h UT.
SunPosition CalcSunPosition(const ScanState& s, double T) {
    double L = 0.779072 + 0.00273790931 * T;
    double G = 0.993126 + 0.0027377785 * T;
    L = L - Int(L);
    G = G - Int(G);
    L = L * P2;
    G = G * P2;
    const double TT = s.TT;
    const double V = 0.39785 * std::sin(L) - 0.01 * std::sin(L - G) + 0.00333 * std::sin(L + G) -
                     0.00021 * TT * std::sin(L);
    const double U = 1 - 0.03349 * std::cos(G) - 0.00014 * std::cos(2 * L) + 0.00008 * std::cos(L);
    const double W = -0.0001 - 0.04129 * std::sin(2 * L) + 0.03211 * std::sin(G) +
                     0.00104 * std::sin(2 * L - G) - 0.00035 * std::sin(2 * L + G) -
                     0.00008 * TT * std::sin(G);
    double S = W / std::sqrt(U - V * V);
    const double A5 = L + std::atan(S / std::sqrt(1 - S * S));
    S = V / std::sqrt(U);
    const double D5 = std::atan(S / std::sqrt(1 - S * S));
    return {A5, D5};
}

// A whole-number double as an integer; out-of-range values (a degenerate parabola far
// outside the hour) are clamped rather than converted with undefined behaviour.
long long wholeNumber(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<long long>(std::clamp(value, -1e15, 1e15));
}

// Format "00": at least two digits, a negative number as -01.
std::string twoDigits(double value) {
    const long long n = wholeNumber(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, n < 0 ? "-%02lld" : "%02lld", n < 0 ? -n : n);
    return buffer;
}

std::string plainNumber(double value) {
    return std::to_string(wholeNumber(value));
}

// H3 counts hours from local noon.
void writeEventText(ScanState& s, double H3, double M3) {
    if (s.eventKind == Sunrise) {
        s.result.sunriseText = s.military ? twoDigits(H3 - 12) + ":" + twoDigits(M3)
                                          : plainNumber(H3 - 12) + ":" + twoDigits(M3) + "A";
    } else {
        s.result.sunsetText = s.military ? twoDigits(H3 + 12) + ":" + twoDigits(M3)
                                         : plainNumber(H3) + ":" + twoDigits(M3) + "P";
    }
}

// The altitude function: sine of the altitude less the sine of the rise and set altitude.
double altitudeFunction(const ScanState& s, double D, double H) {
    return s.S * std::sin(D) + s.C * std::cos(D) * std::cos(H) - s.Z;
}

// The zero of the parabola through V0, V1, V2 at 0, 1/2 and 1 of the hour.
double hourFraction(double A, double B, double D, double V0) {
    if (A == 0) {
        return -V0 / B;  // a straight line; B = V2 - V0 is not 0 as the signs differ
    }
    double E = (-B + D) / (2 * A);
    if (E > 1 || E < 0) {
        E = (-B - D) / (2 * A);
    }
    return E;
}

// Examines hour C0 (0 .. 23) after the scan start.
void TestHourEvent(ScanState& s, int C0) {
    const double L0 = s.T0 + C0 * K1;
    const double L2 = L0 + K1;
    const double H0 = L0 - s.A0;
    const double H2 = L2 - s.A2;
    const double H1 = (H2 + H0) / 2;
    const double D1 = (s.D2 + s.D0) / 2;
    if (C0 == 0) {
        s.V0 = altitudeFunction(s, s.D0, H0);
    }
    s.V2 = altitudeFunction(s, s.D2, H2);
    if (sign(s.V0) == sign(s.V2)) {
        return;
    }
    const double V1 = altitudeFunction(s, D1, H1);
    const double A = 2 * s.V2 - 4 * V1 + 2 * s.V0;
    const double B = 4 * V1 - 3 * s.V0 - s.V2;
    double D = B * B - 4 * A * s.V0;
    if (D < 0) {
        return;
    }
    D = std::sqrt(D);
    // An end exactly at 0 sets no kind: the text goes to the kind already current.
    if (s.V0 < 0 && s.V2 > 0) {
        s.eventKind = Sunrise;
        s.riseFound = true;
    }
    if (s.V0 > 0 && s.V2 < 0) {
        s.eventKind = Sunset;
        s.setFound = true;
    }
    const double E = hourFraction(A, B, D, s.V0);
    // Half a minute more, so that truncating to whole minutes gives the nearest one.
    const double T3 = C0 + E + 1.0 / 120;
    const double H3 = Int(T3);
    const double M3 = Int((T3 - H3) * 60);
    writeEventText(s, H3, M3);
}

// The day number of the date and the days from 0 h UT to the scan start. The calendar
// reform: Julian calendar before 1583.
struct DayNumber {
    double J;
    double F;
};

DayNumber julianDayNumber(double Year, double Month, double Day) {
    const double G = Year < 1583 ? 0 : 1;
    const double D1 = Int(Day);
    double F = Day - D1 - 0.5;
    double J = -Int(7 * (Int((Month + 9) / 12) + Year) / 4);
    double J3 = 0;
    if (G != 0) {
        const double S = sign(Month - 9);
        const double A = std::fabs(Month - 9);
        J3 = Int(Year + S * Int(A / 7));
        J3 = -Int((Int(J3 / 100) + 1) * 3 / 4);
    }
    J = J + Int(275 * Month / 9) + D1 + G * J3;
    J = J + 1721027 + 2 * G + 367 * Year;
    if (F < 0) {
        F = F + 1;
        J = J - 1;
    }
    return {J, F};
}

void addMessages(ScanState& s) {
    if (!s.riseFound && !s.setFound) {
        if (s.V2 != 0) {
            s.result.messages.emplace_back(kSunUpOrDownAllDay);
        }
        return;
    }
    if (!s.riseFound) {
        s.result.messages.emplace_back(kNoSunrise);
    }
    if (!s.setFound) {
        s.result.messages.emplace_back(kNoSunset);
    }
}

}  // namespace

SunScan sunRiseSet(const Date& date, double latitude, double longitude, double gmtOffset,
                   EventKind initialKind, bool military) {
    if (longitude == 0 || latitude == 0) {
        return {};  // a place not configured
    }
    ScanState s;
    s.eventKind = initialKind;
    s.military = military;
    s.result.scanned = true;
    const double Year = date.year, Month = date.month, Day = date.day;

    // The scan starts at local noon: of the day before when the offset is below zero.
    gmtOffset = -gmtOffset > 0 ? -12 - gmtOffset : 12 - gmtOffset;
    const double Z0 = gmtOffset / 24;
    const double L5 = longitude / 360;
    const auto [J, F] = julianDayNumber(Year, Month, Day);

    double T = (J - 2451545) + F;
    s.TT = T / 36525 + 1;
    double T0 = T / 36525;
    double S = 24110.5 + 8640184.813 * T0;
    S = S + 86636.6 * Z0 + 86400 * L5;
    S = S / 86400;
    S = S - Int(S);
    s.T0 = S * 360 * DR;
    T = T + Z0;

    const SunPosition first = CalcSunPosition(s, T);
    SunPosition second = CalcSunPosition(s, T + 1);
    if (second.A5 < first.A5) {
        second.A5 = second.A5 + P2;
    }
    s.S = std::sin(latitude * DR);
    s.C = std::cos(latitude * DR);
    s.Z = std::cos(Z1);
    s.A0 = first.A5;
    s.D0 = first.D5;
    const double DA = second.A5 - first.A5;
    const double DD = second.D5 - first.D5;
    for (int C0 = 0; C0 <= 23; ++C0) {
        const double P = (C0 + 1) / 24.0;
        s.A2 = first.A5 + P * DA;
        s.D2 = first.D5 + P * DD;
        TestHourEvent(s, C0);
        s.A0 = s.A2;
        s.D0 = s.D2;
        s.V0 = s.V2;
    }
    addMessages(s);
    return std::move(s.result);
}

SunTexts::Shown SunTexts::compute(const Date& date, double latitude, double longitude,
                                  double gmtOffset, bool military) {
    const auto keep = [this](const SunScan& scan) {
        if (scan.sunriseText) {
            SunriseText = *scan.sunriseText;
        }
        if (scan.sunsetText) {
            SunsetText = *scan.sunsetText;
        }
    };
    Shown shown;
    SunScan scan = sunRiseSet(date, latitude, longitude, gmtOffset, Sunrise, military);
    keep(scan);
    shown.sunrise = SunriseText;
    shown.messages = std::move(scan.messages);
    scan = sunRiseSet(date, latitude, longitude, gmtOffset, Sunset, military);
    keep(scan);
    shown.sunset = SunsetText;
    shown.messages.insert(shown.messages.end(), scan.messages.begin(), scan.messages.end());
    return shown;
}

}  // namespace solvane::astro
