// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "rows.h"

#include <charconv>
#include <cstring>

#include "moonphase.h"
#include "timezone_sun.h"

namespace solvane::almanac {

namespace {

// Exactly `width` decimal digits of a value below 10^width.
char* writeFixedDigits(char* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

char* writeText(char* out, const char* text) {
    const std::size_t size = std::strlen(text);
    std::memcpy(out, text, size);
    return out + size;
}

// "yyyy-mm-dd", a tab and the ordinal date "yy.ddd".
char* writeDates(char* out, const astro::Date& date, int dayOfYear) {
    out = writeFixedDigits(out, date.year, 4);
    *out++ = '-';
    out = writeFixedDigits(out, date.month, 2);
    *out++ = '-';
    out = writeFixedDigits(out, date.day, 2);
    *out++ = '\t';
    out = writeFixedDigits(out, date.year % 100, 2);
    *out++ = '.';
    return writeFixedDigits(out, dayOfYear, 3);
}

char* writeEvent(char* out, astro::EventKind kind, const std::optional<astro::EventTime>& time,
                 bool military) {
    return time ? astro::writeEventText(out, kind, *time, military) : out;
}

// The messages of both scans once each, in the order they first appear, joined by " | ".
char* writeNotes(char* out, const astro::SunScanPair& scans) {
    const char* written[4];
    int count = 0;
    for (const astro::SunEvents* scan : {&scans.first, &scans.second}) {
        for (int i = 0; i < scan->messageCount; ++i) {
            const char* message = scan->messages[i];
            bool seen = false;
            for (int k = 0; k < count; ++k) {
                seen = seen || std::strcmp(written[k], message) == 0;
            }
            if (!seen) {
                out = writeText(out, count == 0 ? "" : " | ");
                out = writeText(out, message);
                written[count++] = message;
            }
        }
    }
    return out;
}

// The two scans of a date: in a zone, each event's scan runs with its own day's offset.
astro::SunScanPair scansOf(const RowSettings& settings, const astro::Date& date) {
    if (settings.zone == nullptr) {
        return astro::scanSunTwice(settings.observer, date, settings.gmtOffset);
    }
    const ZoneClock& zone = *settings.zone;
    const astro::NoonOffsets offsets = astro::noonOffsets(
        date, [&zone](std::int64_t utcSeconds) { return zone.offsetAt(utcSeconds); });
    const astro::ZonedSunScans zoned = astro::zonedSunScans(offsets, date);
    return {astro::scanSunEvents(settings.observer, zoned.sunrise.date, zoned.sunrise.gmtOffset,
                                 astro::Sunrise),
            astro::scanSunEvents(settings.observer, zoned.sunset.date, zoned.sunset.gmtOffset,
                                 astro::Sunset)};
}

}  // namespace

char* writeRow(char* out, const RowSettings& settings, const astro::Date& date, int dayOfYear) {
    out = writeDates(out, date, dayOfYear);
    *out++ = '\t';
    const astro::SunScanPair scans = scansOf(settings, date);
    // The sunrise label shows the first scan's; the sunset label the second's, or the first's
    // when the second found none.
    out = writeEvent(out, astro::Sunrise, scans.first.sunrise, settings.military);
    *out++ = '\t';
    const auto& sunset = scans.second.sunset ? scans.second.sunset : scans.first.sunset;
    out = writeEvent(out, astro::Sunset, sunset, settings.military);
    *out++ = '\t';
    const double angle = astro::moonPhaseAngle(astro::DateTime{date, 18, 0, 0, 0});
    out = std::to_chars(out, out + 32, angle, std::chars_format::fixed, 6).ptr;
    *out++ = '\t';
    out = std::to_chars(out, out + 8, astro::moonPicture(angle)).ptr;
    *out++ = '\t';
    out = writeNotes(out, scans);
    *out++ = '\n';
    return out;
}

void advanceDay(astro::Date& date, int& dayOfYear) {
    ++dayOfYear;
    if (++date.day <= astro::daysInMonth(date.year, date.month)) {
        return;
    }
    date.day = 1;
    if (++date.month <= 12) {
        return;
    }
    date.month = 1;
    ++date.year;
    dayOfYear = 1;
}

}  // namespace solvane::almanac
