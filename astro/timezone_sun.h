// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Sunrise and sunset on the wall clock of a time zone. The scan of a date shows one event of
// a neighbouring day (with an offset below zero the sunset of the day before, otherwise the
// sunrise of the day after); each event is computed with the offset at local noon of its
// own day, so a clock change between the two days moves neither time by an hour. With a
// zone whose offset does not change this is exactly the computation with a fixed offset.
// The zone itself stays outside: its offsets come in as arguments, from Qt in the program and
// from the C library in the almanac.

#include <cstdint>
#include <functional>

#include "dates.h"
#include "sun.h"

namespace solvane::astro {

// A zone's offset in seconds ahead of UTC (New York in winter: -18000) at an instant in
// seconds since 1970-01-01 00:00 UTC.
using OffsetAt = std::function<long(std::int64_t utcSeconds)>;

// Seconds ahead of UTC at 12:00 local time of the date: the offset of the day's afternoon,
// which clock changes in the small hours do not touch.
long offsetAtLocalNoon(const Date& date, const OffsetAt& offsetAt);

// The offsets, in hours (Kathmandu: 5.75), at local noon of a date and of its neighbours.
struct NoonOffsets {
    double dayBefore = 0;
    double date = 0;
    double dayAfter = 0;
};
NoonOffsets noonOffsets(const Date& date, const OffsetAt& offsetAt);

// The date and offset (hours ahead of GMT) to run one scan with.
struct ZonedScan {
    Date date;
    double gmtOffset = 0;
};

struct ZonedSunScans {
    ZonedScan sunrise;  // the scan whose sunrise the sunrise label shows
    ZonedScan sunset;   // the scan whose sunset the sunset label shows
};

ZonedSunScans zonedSunScans(const NoonOffsets& offsets, const Date& date);

// As SunTexts::compute with a fixed offset, but in the zone whose offsets around `date` are
// given: latitude north positive, longitude east positive, `texts` keeping the last times
// found as it does there.
SunTexts::Shown computeSunInZone(SunTexts& texts, const Date& date, double latitude,
                                 double longitude, const NoonOffsets& offsets, bool military);

}  // namespace solvane::astro
