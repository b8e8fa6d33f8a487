// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "timezone_sun.h"

namespace solvane::astro {

namespace {

// The neighbouring date, or the date itself at the ends of the years 1 to 9999.
Date shifted(const Date& date, int days) {
    const Date other = dateFromSerial(daySerial(date) + days);
    return isValid(other) ? other : date;
}

}  // namespace

ZonedSunScans zonedSunScans(const TimeZone& zone, const Date& date) {
    // A scan with an offset below zero runs from noon of the day before its date, otherwise
    // from noon of its date; that decides which day's events the labels show.
    const bool westOfGreenwich = zone.offsetAtLocalNoon(date) < 0;
    const Date sunriseDay = westOfGreenwich ? date : shifted(date, 1);
    const Date sunsetDay = westOfGreenwich ? shifted(date, -1) : date;
    const double sunriseOffset = zone.offsetHoursAtLocalNoon(sunriseDay);
    const double sunsetOffset = zone.offsetHoursAtLocalNoon(sunsetDay);
    // The scan date whose window holds that day's event at that day's offset.
    return ZonedSunScans{{sunriseOffset < 0 ? sunriseDay : shifted(sunriseDay, -1), sunriseOffset},
                         {sunsetOffset < 0 ? shifted(sunsetDay, 1) : sunsetDay, sunsetOffset}};
}

SunTexts::Shown computeSunInZone(SunTexts& texts, const Date& date, double latitude,
                                 double longitude, const TimeZone& zone, bool military) {
    const ZonedSunScans scans = zonedSunScans(zone, date);
    const auto keep = [&texts](const SunScan& scan) {
        if (scan.sunriseText) {
            texts.SunriseText = *scan.sunriseText;
        }
        if (scan.sunsetText) {
            texts.SunsetText = *scan.sunsetText;
        }
    };
    SunTexts::Shown shown;
    SunScan scan = sunRiseSet(scans.sunrise.date, latitude, longitude, scans.sunrise.gmtOffset,
                              Sunrise, military);
    keep(scan);
    shown.sunrise = texts.SunriseText;
    shown.messages = std::move(scan.messages);
    shown.allDay = scan.allDay;
    scan = sunRiseSet(scans.sunset.date, latitude, longitude, scans.sunset.gmtOffset, Sunset,
                      military);
    keep(scan);
    shown.sunset = texts.SunsetText;
    shown.allDay = shown.allDay != 0 ? shown.allDay : scan.allDay;
    shown.messages.insert(shown.messages.end(), scan.messages.begin(), scan.messages.end());
    return shown;
}

}  // namespace solvane::astro
