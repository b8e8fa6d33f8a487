// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Sunrise and sunset on the wall clock of a time zone. The scan of a date shows one event of
// a neighbouring day (with an offset below zero the sunset of the day before, otherwise the
// sunrise of the day after); each event is computed with the offset at local noon of its
// own day, so a clock change between the two days moves neither time by an hour. With a
// zone whose offset does not change this is exactly the computation with a fixed offset.

#include "dates.h"
#include "sun.h"
#include "timezone.h"

namespace solvane::astro {

// The date and offset (hours ahead of GMT) to run one scan with.
struct ZonedScan {
    Date date;
    double gmtOffset = 0;
};

struct ZonedSunScans {
    ZonedScan sunrise;  // the scan whose sunrise the sunrise label shows
    ZonedScan sunset;   // the scan whose sunset the sunset label shows
};

ZonedSunScans zonedSunScans(const TimeZone& zone, const Date& date);

// As SunTexts::compute with a fixed offset, but in the zone: latitude north positive,
// longitude east positive, `texts` keeping the last times found as it does there.
SunTexts::Shown computeSunInZone(SunTexts& texts, const Date& date, double latitude,
                                 double longitude, const TimeZone& zone, bool military);

}  // namespace solvane::astro
