// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "local_time.h"

#include "timezone_sun.h"

#include <cmath>

namespace solvane::almanac {

std::int64_t secondsSinceEpoch(const astro::DateTime& moment) {
    return (astro::daySerial(moment.date) - kSerialOfEpoch) * 86400 +
           (moment.hour * 60 + moment.minute) * 60 + moment.second;
}

long offsetAtLocalTime(const RowSettings& settings, const astro::DateTime& local) {
    if (settings.zone == nullptr) {
        return std::lround(settings.gmtOffset * 3600);
    }
    // The offset of the day guesses the instant; the zone then gives the offset in force
    // then, which differs only on the day the clocks change.
    const std::int64_t asIfUt = secondsSinceEpoch(local);
    const ZoneClock& zone = *settings.zone;
    const long noon = astro::offsetAtLocalNoon(
        local.date, [&zone](std::int64_t utcSeconds) { return zone.offsetAt(utcSeconds); });
    return zone.offsetAt(asIfUt - noon);
}

long offsetAtInstant(const RowSettings& settings, std::int64_t utcSeconds) {
    if (settings.zone == nullptr) {
        return std::lround(settings.gmtOffset * 3600);
    }
    return settings.zone->offsetAt(utcSeconds);
}

}  // namespace solvane::almanac
