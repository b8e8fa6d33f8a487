// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The almanac's lines: one tab-separated line per date, written straight into a buffer.

#include <cstddef>
#include <optional>

#include "dates.h"
#include "sun.h"
#include "zone_clock.h"

namespace solvane::almanac {

inline constexpr const char* kHeader =
    "date\tjulian\tsunrise\tsunset\tmoon_phase\tmoon_picture\tnotes\n";

// More than the longest line: the date and ordinal, two times, the angle, the picture and
// every message.
inline constexpr std::size_t kMaxRowSize = 256;

// What every line of one run shares: the place, the offset and the time style. With a zone,
// each date takes its offsets from the zone instead of gmtOffset.
struct RowSettings {
    astro::Observer observer;
    double gmtOffset;
    bool military;
    const ZoneClock* zone = nullptr;
};

// A sun time of a line and the scan that found it: the time counts from 12:00 of `date` on a
// clock `gmtOffset` hours ahead of GMT.
struct RowSunEvent {
    astro::EventTime time;
    astro::Date date;
    double gmtOffset;
};

// The sun of a line: both scans, and the sunrise and sunset its labels show.
struct RowSun {
    astro::SunScanPair scans;
    std::optional<RowSunEvent> sunrise, sunset;
};

RowSun rowSun(const RowSettings& settings, const astro::Date& date);

// Writes the line of `date`, whose day of the year is `dayOfYear`, at `out`; returns its end.
// Each line stands alone: no time carries over from another date.
char* writeRow(char* out, const RowSettings& settings, const astro::Date& date, int dayOfYear);

// The date after `date`, keeping its day of the year in step.
void advanceDay(astro::Date& date, int& dayOfYear);

}  // namespace solvane::almanac
