// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "phase_lines.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "local_time.h"
#include "moon_sky.h"

namespace solvane::almanac {

namespace {

double julianDayOfLocalMidnight(const RowSettings& settings, const astro::Date& date) {
    const astro::DateTime midnight{date, 0, 0, 0, 0};
    return astro::julianDayUt(midnight, offsetAtLocalTime(settings, midnight));
}

char* writeDigits(char* out, long long value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

// Floor division, so that instants before 1970 fall into the right minute and day.
long long floorDiv(long long value, long long divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

std::vector<astro::PhaseInstant> phasesOfDays(const RowSettings& settings, const astro::Date& first,
                                              long long days) {
    const astro::Date end = astro::dateFromSerial(astro::daySerial(first) + days);
    return astro::principalPhasesBetween(julianDayOfLocalMidnight(settings, first),
                                         julianDayOfLocalMidnight(settings, end));
}

char* writePhaseLine(char* out, const RowSettings& settings, const astro::PhaseInstant& phase) {
    const auto utc = static_cast<std::int64_t>(
        std::llround((phase.julianDayUt - astro::kUnixEpochJulianDay) * 86400));
    const long long minutes = floorDiv(utc + offsetAtInstant(settings, utc) + 30, 60);
    const long long dayMinutes = minutes - floorDiv(minutes, 1440) * 1440;
    const astro::Date date = astro::dateFromSerial(floorDiv(minutes, 1440) + kSerialOfEpoch);
    out = writeDigits(out, date.year, 4);
    *out++ = '-';
    out = writeDigits(out, date.month, 2);
    *out++ = '-';
    out = writeDigits(out, date.day, 2);
    *out++ = 'T';
    out = writeDigits(out, dayMinutes / 60, 2);
    *out++ = ':';
    out = writeDigits(out, dayMinutes % 60, 2);
    *out++ = '\t';
    const char* name = astro::principalPhaseName(phase.phase);
    const std::size_t size = std::strlen(name);
    std::memcpy(out, name, size);
    out += size;
    *out++ = '\n';
    return out;
}

}  // namespace solvane::almanac
