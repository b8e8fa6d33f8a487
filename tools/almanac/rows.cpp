// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "rows.h"

#include <charconv>
#include <cstring>

#include "local_time.h"
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

char* writeEvent(char* out, astro::EventKind kind, const std::optional<RowSunEvent>& event,
                 bool military) {
    return event ? astro::writeEventText(out, kind, event->time, military) : out;
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

}  // namespace

// The two scans of a date: in a zone, each event's scan runs with its own day's offset.
RowSun rowSun(const RowSettings& settings, const astro::Date& date) {
    astro::ZonedScan sunriseScan{date, settings.gmtOffset}, sunsetScan = sunriseScan;
    if (settings.zone != nullptr) {
        const ZoneClock& zone = *settings.zone;
        const astro::NoonOffsets offsets = astro::noonOffsets(
            date, [&zone](std::int64_t utcSeconds) { return zone.offsetAt(utcSeconds); });
        const astro::ZonedSunScans zoned = astro::zonedSunScans(offsets, date);
        sunriseScan = zoned.sunrise;
        sunsetScan = zoned.sunset;
    }
    RowSun sun;
    sun.scans =
        settings.zone == nullptr
            ? astro::scanSunTwice(settings.observer, date, settings.gmtOffset)
            : astro::SunScanPair{astro::scanSunEvents(settings.observer, sunriseScan.date,
                                                      sunriseScan.gmtOffset, astro::Sunrise),
                                 astro::scanSunEvents(settings.observer, sunsetScan.date,
                                                      sunsetScan.gmtOffset, astro::Sunset)};
    // The sunrise label shows the first scan's; the sunset label the second's, or the first's
    // when the second found none.
    if (const auto& time = sun.scans.first.sunrise) {
        sun.sunrise = RowSunEvent{*time, sunriseScan.date, sunriseScan.gmtOffset};
    }
    if (const auto& time = sun.scans.second.sunset) {
        sun.sunset = RowSunEvent{*time, sunsetScan.date, sunsetScan.gmtOffset};
    } else if (const auto& first = sun.scans.first.sunset) {
        sun.sunset = RowSunEvent{*first, sunriseScan.date, sunriseScan.gmtOffset};
    }
    return sun;
}

char* writeRow(char* out, const RowSettings& settings, const astro::Date& date, int dayOfYear) {
    out = writeDates(out, date, dayOfYear);
    *out++ = '\t';
    const RowSun sun = rowSun(settings, date);
    out = writeEvent(out, astro::Sunrise, sun.sunrise, settings.military);
    *out++ = '\t';
    out = writeEvent(out, astro::Sunset, sun.sunset, settings.military);
    *out++ = '\t';
    const astro::DateTime evening{date, 18, 0, 0, 0};
    const double angle = astro::moonPhaseAngle(evening, offsetAtLocalTime(settings, evening));
    out = std::to_chars(out, out + 32, angle, std::chars_format::fixed, 6).ptr;
    *out++ = '\t';
    out = std::to_chars(out, out + 8, astro::moonPicture(angle)).ptr;
    *out++ = '\t';
    out = writeNotes(out, sun.scans);
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
