// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "sun.h"

#include <algorithm>
#include <cmath>

namespace solvane::astro {

namespace {

// Every constant and the order of every sum below is part of the result: a change in the last
// bit can move a time by a minute, so the arithmetic is written out exactly and the library is
// built without fused multiply-add.
constexpr double P1 = 3.14159265;           // pi, to the precision the times are fixed by
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

struct SunPosition {
    double rightAscension;  // radians
    double declination;     // radians
};

// The sun at `days` from 2000 January 1, 12 h UT.
SunPosition CalcSunPosition(double days, double centuriesFrom1900) {
    double meanLongitude = 0.779072 + 0.00273790931 * days;
    double meanAnomaly = 0.993126 + 0.0027377785 * days;
    meanLongitude = meanLongitude - Int(meanLongitude);
    meanAnomaly = meanAnomaly - Int(meanAnomaly);
    meanLongitude = meanLongitude * P2;
    meanAnomaly = meanAnomaly * P2;
    const double L = meanLongitude, G = meanAnomaly, TT = centuriesFrom1900;
    // The series' V, U and W: V / sqrt(U) is the sine of the declination, and
    // W / sqrt(U - V^2) the sine of the right ascension less the mean longitude.
    const double V = 0.39785 * std::sin(L) - 0.01 * std::sin(L - G) + 0.00333 * std::sin(L + G) -
                     0.00021 * TT * std::sin(L);
    const double U = 1 - 0.03349 * std::cos(G) - 0.00014 * std::cos(2 * L) + 0.00008 * std::cos(L);
    const double W = -0.0001 - 0.04129 * std::sin(2 * L) + 0.03211 * std::sin(G) +
                     0.00104 * std::sin(2 * L - G) - 0.00035 * std::sin(2 * L + G) -
                     0.00008 * TT * std::sin(G);
    const double sinAscensionOffset = W / std::sqrt(U - V * V);
    const double rightAscension =
        L + std::atan(sinAscensionOffset / std::sqrt(1 - sinAscensionOffset * sinAscensionOffset));
    const double sinDeclination = V / std::sqrt(U);
    const double declination =
        std::atan(sinDeclination / std::sqrt(1 - sinDeclination * sinDeclination));
    return {rightAscension, declination};
}

// The working values that the hours of one scan share.
struct ScanState {
    double sinLatitude = 0, cosLatitude = 0;
    double cosZenithAtEvent = 0;
    double siderealAtStart = 0;                     // local sidereal time, radians
    SunPosition hourStart{}, hourEnd{};             // the sun at the hour's ends
    double altitudeAtStart = 0, altitudeAtEnd = 0;  // the altitude function there
    int eventKind = Sunrise;
    bool clearEventSeen = false;  // a rise or set whose ends lay strictly on either side
    bool riseFound = false;
    bool setFound = false;
    SunEvents result;
};

// Sine of the altitude less the sine of the rise and set altitude.
double altitudeFunction(const ScanState& s, double declination, double hourAngle) {
    return s.sinLatitude * std::sin(declination) +
           s.cosLatitude * std::cos(declination) * std::cos(hourAngle) - s.cosZenithAtEvent;
}

// The zero of the parabola a x^2 + b x + c through the altitudes at 0, 1/2 and 1 of the hour,
// where c is the altitude at the start.
double hourFraction(double a, double b, double rootOfDiscriminant, double c) {
    if (a == 0) {
        return -c / b;  // a straight line; b = end - start is not 0 as the signs differ
    }
    double fraction = (-b + rootOfDiscriminant) / (2 * a);
    if (fraction > 1 || fraction < 0) {
        fraction = (-b - rootOfDiscriminant) / (2 * a);
    }
    return fraction;
}

void recordEvent(ScanState& s, double fraction, int hour) {
    // Half a minute more, so that truncating to whole minutes gives the nearest one.
    const double hoursAfterStart = hour + fraction + 1.0 / 120;
    const double wholeHours = Int(hoursAfterStart);
    const double minutes = Int((hoursAfterStart - wholeHours) * 60);
    (s.eventKind == Sunrise ? s.result.sunrise : s.result.sunset) = EventTime{wholeHours, minutes};
}

// Examines hour `hour` (0 .. 23) after the scan start.
void TestHourEvent(ScanState& s, int hour) {
    const double siderealAtHourStart = s.siderealAtStart + hour * K1;
    const double siderealAtHourEnd = siderealAtHourStart + K1;
    const double hourAngleStart = siderealAtHourStart - s.hourStart.rightAscension;
    const double hourAngleEnd = siderealAtHourEnd - s.hourEnd.rightAscension;
    const double hourAngleMiddle = (hourAngleEnd + hourAngleStart) / 2;
    const double declinationMiddle = (s.hourEnd.declination + s.hourStart.declination) / 2;
    if (hour == 0) {
        s.altitudeAtStart = altitudeFunction(s, s.hourStart.declination, hourAngleStart);
    }
    s.altitudeAtEnd = altitudeFunction(s, s.hourEnd.declination, hourAngleEnd);
    const double start = s.altitudeAtStart, end = s.altitudeAtEnd;
    if (sign(start) == sign(end)) {
        return;
    }
    const double middle = altitudeFunction(s, declinationMiddle, hourAngleMiddle);
    const double a = 2 * end - 4 * middle + 2 * start;
    const double b = 4 * middle - 3 * start - end;
    const double discriminant = b * b - 4 * a * start;
    if (discriminant < 0) {
        return;
    }
    // An end exactly at 0 sets no kind: the time goes to the kind already current.
    if (start < 0 && end > 0) {
        s.eventKind = Sunrise;
        s.riseFound = s.clearEventSeen = true;
    } else if (start > 0 && end < 0) {
        s.eventKind = Sunset;
        s.setFound = s.clearEventSeen = true;
    } else if (!s.clearEventSeen) {
        s.result.startKindDecided = true;
    }
    recordEvent(s, hourFraction(a, b, std::sqrt(discriminant), start), hour);
}

// The day number of the date and the fraction of a day from its 0 h UT. Dates before 1583
// count in the Julian calendar.
struct DayNumber {
    double dayNumber;
    double fraction;
};

DayNumber julianDayNumber(double year, double month, double day) {
    const double gregorian = year < 1583 ? 0 : 1;
    const double wholeDay = Int(day);
    double fraction = day - wholeDay - 0.5;
    double dayNumber = -Int(7 * (Int((month + 9) / 12) + year) / 4);
    double centuryCorrection = 0;
    if (gregorian != 0) {
        const double monthSign = sign(month - 9);
        const double monthsFromSeptember = std::fabs(month - 9);
        centuryCorrection = Int(year + monthSign * Int(monthsFromSeptember / 7));
        centuryCorrection = -Int((Int(centuryCorrection / 100) + 1) * 3 / 4);
    }
    dayNumber = dayNumber + Int(275 * month / 9) + wholeDay + gregorian * centuryCorrection;
    dayNumber = dayNumber + 1721027 + 2 * gregorian + 367 * year;
    if (fraction < 0) {
        fraction = fraction + 1;
        dayNumber = dayNumber - 1;
    }
    return {dayNumber, fraction};
}

void addMessages(ScanState& s) {
    SunEvents& r = s.result;
    if (!s.riseFound && !s.setFound) {
        if (s.altitudeAtEnd != 0) {
            r.messages[r.messageCount++] = kSunUpOrDownAllDay;
            r.allDay = s.altitudeAtEnd > 0 ? 1 : -1;
        }
        return;
    }
    if (!s.riseFound) {
        r.messages[r.messageCount++] = kNoSunrise;
    }
    if (!s.setFound) {
        r.messages[r.messageCount++] = kNoSunset;
    }
}

// When the scan starts, in days from 2000 January 1, 12 h UT, and the centuries from 1900 at
// 0 h UT of the date, which the sun's series takes.
struct ScanStart {
    double days;
    double centuriesFrom1900;
};

// Also sets the local sidereal time at the scan start.
ScanStart startScan(ScanState& s, const Observer& observer, const Date& date, double gmtOffset) {
    // The scan starts at local noon: of the day before when the offset is below zero.
    gmtOffset = -gmtOffset > 0 ? -12 - gmtOffset : 12 - gmtOffset;
    const double startAfterMidnight = gmtOffset / 24;  // days after 0 h UT of the date
    const double longitudeTurns = observer.longitude / 360;
    const auto [dayNumber, fraction] = julianDayNumber(date.year, date.month, date.day);
    const double days = (dayNumber - 2451545) + fraction;
    const double centuriesFrom1900 = days / 36525 + 1;
    const double centuries = days / 36525;
    double siderealTurns = 24110.5 + 8640184.813 * centuries;
    siderealTurns = siderealTurns + 86636.6 * startAfterMidnight + 86400 * longitudeTurns;
    siderealTurns = siderealTurns / 86400;
    siderealTurns = siderealTurns - Int(siderealTurns);
    s.siderealAtStart = siderealTurns * 360 * DR;
    return {days + startAfterMidnight, centuriesFrom1900};
}

// The scan's texts from its events.
SunScan withTexts(const SunEvents& events, bool military) {
    SunScan scan;
    scan.scanned = events.scanned;
    char text[kMaxEventTextSize];
    if (events.sunrise) {
        scan.sunriseText.emplace(text, writeEventText(text, Sunrise, *events.sunrise, military));
    }
    if (events.sunset) {
        scan.sunsetText.emplace(text, writeEventText(text, Sunset, *events.sunset, military));
    }
    scan.messages.assign(events.messages, events.messages + events.messageCount);
    scan.allDay = events.allDay;
    return scan;
}

// A whole-number double as an integer; out-of-range values (a degenerate parabola far
// outside the hour) are clamped rather than converted with undefined behaviour.
long long wholeNumber(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<long long>(std::clamp(value, -1e15, 1e15));
}

// Decimal digits of a number below 10^16, at least `width` of them; returns the end.
char* writeDigits(char* out, unsigned long long value, int width) {
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count < width) {
        digits[count++] = '0';
    }
    while (count > 0) {
        *out++ = digits[--count];
    }
    return out;
}

// Format "00" (at least two digits, a negative number as -01) or, with width 1, the
// shortest decimal text.
char* writeNumber(char* out, double value, int width) {
    const long long n = wholeNumber(value);
    if (n < 0) {
        *out++ = '-';
    }
    return writeDigits(out, static_cast<unsigned long long>(n < 0 ? -n : n), width);
}

}  // namespace

Observer::Observer(double latitude, double longitude)
    : latitude(latitude),
      longitude(longitude),
      sinLatitude(std::sin(latitude * DR)),
      cosLatitude(std::cos(latitude * DR)) {}

SunEvents scanSunEvents(const Observer& observer, const Date& date, double gmtOffset,
                        EventKind initialKind) {
    if (!observer.configured()) {
        return {};
    }
    ScanState s;
    s.eventKind = initialKind;
    s.result.scanned = true;
    const ScanStart start = startScan(s, observer, date, gmtOffset);
    const SunPosition first = CalcSunPosition(start.days, start.centuriesFrom1900);
    SunPosition second = CalcSunPosition(start.days + 1, start.centuriesFrom1900);
    if (second.rightAscension < first.rightAscension) {
        second.rightAscension = second.rightAscension + P2;
    }
    s.sinLatitude = observer.sinLatitude;
    s.cosLatitude = observer.cosLatitude;
    s.cosZenithAtEvent = std::cos(Z1);
    s.hourStart = first;
    const double ascensionGain = second.rightAscension - first.rightAscension;
    const double declinationGain = second.declination - first.declination;
    for (int hour = 0; hour <= 23; ++hour) {
        const double dayFraction = (hour + 1) / 24.0;
        s.hourEnd.rightAscension = first.rightAscension + dayFraction * ascensionGain;
        s.hourEnd.declination = first.declination + dayFraction * declinationGain;
        TestHourEvent(s, hour);
        s.hourStart = s.hourEnd;
        s.altitudeAtStart = s.altitudeAtEnd;
    }
    addMessages(s);
    return s.result;
}

char* writeEventText(char* out, EventKind kind, const EventTime& time, bool military) {
    // The hours count from local noon.
    const double hours = kind == Sunrise ? time.hours - 12
                         : military      ? time.hours + 12
                                         : time.hours;
    out = writeNumber(out, hours, military ? 2 : 1);
    *out++ = ':';
    out = writeNumber(out, time.minutes, 2);
    if (!military) {
        *out++ = kind == Sunrise ? 'A' : 'P';
    }
    return out;
}

SunScan sunRiseSet(const Date& date, double latitude, double longitude, double gmtOffset,
                   EventKind initialKind, bool military) {
    const SunEvents events =
        scanSunEvents(Observer(latitude, longitude), date, gmtOffset, initialKind);
    return withTexts(events, military);
}

SunScanPair scanSunTwice(const Observer& observer, const Date& date, double gmtOffset) {
    SunScanPair pair{scanSunEvents(observer, date, gmtOffset, Sunrise), {}};
    pair.second =
        pair.first.startKindDecided ? scanSunEvents(observer, date, gmtOffset, Sunset) : pair.first;
    return pair;
}

SunTexts::Shown SunTexts::compute(const Date& date, double latitude, double longitude,
                                  double gmtOffset, bool military) {
    const SunScanPair pair = scanSunTwice(Observer(latitude, longitude), date, gmtOffset);
    const auto keep = [this](const SunScan& scan) {
        if (scan.sunriseText) {
            SunriseText = *scan.sunriseText;
        }
        if (scan.sunsetText) {
            SunsetText = *scan.sunsetText;
        }
    };
    Shown shown;
    SunScan scan = withTexts(pair.first, military);
    keep(scan);
    shown.sunrise = SunriseText;
    shown.messages = std::move(scan.messages);
    shown.allDay = scan.allDay;
    scan = withTexts(pair.second, military);
    keep(scan);
    shown.sunset = SunsetText;
    shown.allDay = shown.allDay != 0 ? shown.allDay : scan.allDay;
    shown.messages.insert(shown.messages.end(), scan.messages.begin(), scan.messages.end());
    return shown;
}

}  // namespace solvane::astro
