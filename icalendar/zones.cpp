// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "zones.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <mutex>

#include "windows_zones.h"

namespace solvane::ical {

namespace {

// Days since 1970-01-01 of a civil date (H. Hinnant's days_from_civil).
std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

icaltimetype civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
    icaltimetype wall = icaltime_null_time();
    wall.day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    wall.month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    wall.year = static_cast<int>(yearOfEra + era * 400 + (wall.month <= 2));
    return wall;
}

}  // namespace

std::int64_t daySerial(const Date& date) {
    return daysFromCivil(date.year, date.month, date.day);
}

Date dateOfSerial(std::int64_t serial) {
    const icaltimetype wall = civilFromDays(serial);
    return {wall.year, wall.month, wall.day};
}

std::mutex& libicalMutex() {
    static std::mutex mutex;
    return mutex;
}

Zone Zone::fixed(int offsetSeconds) {
    Zone zone;
    zone.offset_ = offsetSeconds;
    return zone;
}

std::int64_t Zone::instantOf(icaltimetype wall) const {
    if (wall.is_date) {
        wall.is_date = 0;
        wall.hour = wall.minute = wall.second = 0;
    }
    if (zone_ != nullptr) {
        wall.zone = nullptr;
        return icaltime_as_timet_with_zone(wall, zone_);
    }
    return daysFromCivil(wall.year, wall.month, wall.day) * kSecondsPerDay + wall.hour * 3600 +
           wall.minute * 60 + wall.second - offset_;
}

icaltimetype Zone::wallOf(std::int64_t instant) const {
    if (zone_ != nullptr) {
        return icaltime_from_timet_with_zone(static_cast<time_t>(instant), 0, zone_);
    }
    const std::int64_t local = instant + offset_;
    const std::int64_t days = (local >= 0 ? local : local - (kSecondsPerDay - 1)) / kSecondsPerDay;
    const std::int64_t second = local - days * kSecondsPerDay;
    icaltimetype wall = civilFromDays(days);
    wall.is_date = 0;
    wall.hour = static_cast<int>(second / 3600);
    wall.minute = static_cast<int>(second / 60 % 60);
    wall.second = static_cast<int>(second % 60);
    return wall;
}

icaltimezone* builtinZone(const std::string& name) {
    if (name.empty()) {
        return nullptr;
    }
    if (name == "UTC" || name == "Etc/UTC" || name == "GMT" || name == "Z") {
        return icaltimezone_get_utc_timezone();
    }
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone(name.c_str())) {
        return zone;
    }
    return name.front() == '/' ? icaltimezone_get_builtin_timezone_from_tzid(name.c_str())
                               : nullptr;
}

std::optional<Zone> localZone(const LocalZone& local) {
    if (local.ianaName.empty()) {
        return Zone::fixed(local.utcOffsetSeconds);
    }
    if (icaltimezone* zone = builtinZone(local.ianaName)) {
        return Zone::of(zone);
    }
    return std::nullopt;
}

const char* ianaNameOfWindowsZone(const std::string& windowsName) {
    const auto* begin = std::begin(kWindowsZones);
    const auto* end = std::end(kWindowsZones);
    const auto* found = std::lower_bound(
        begin, end, windowsName,
        [](const auto& entry, auto& name) { return std::strcmp(entry.windows, name.c_str()) < 0; });
    return found != end && windowsName == found->windows ? found->iana : nullptr;
}

std::optional<int> offsetOfDisplayName(const std::string& name) {
    // "(UTC+01:00) ...", "(GMT-05.00) ...", and "(UTC) ..." for UTC itself.
    if (name.rfind("(UTC)", 0) == 0 || name.rfind("(GMT)", 0) == 0) {
        return 0;
    }
    if (name.size() < 11 || name[0] != '(' || name[10] != ')' ||
        (name.compare(1, 3, "UTC") != 0 && name.compare(1, 3, "GMT") != 0) ||
        (name[4] != '+' && name[4] != '-') || (name[7] != ':' && name[7] != '.')) {
        return std::nullopt;
    }
    const auto digit = [&](std::size_t i) { return name[i] >= '0' && name[i] <= '9'; };
    if (!digit(5) || !digit(6) || !digit(8) || !digit(9)) {
        return std::nullopt;
    }
    const int hours = (name[5] - '0') * 10 + (name[6] - '0');
    const int minutes = (name[8] - '0') * 10 + (name[9] - '0');
    if (hours > 14 || minutes > 59) {
        return std::nullopt;
    }
    const int offset = hours * 3600 + minutes * 60;
    return name[4] == '-' ? -offset : offset;
}

ZoneResolution resolveTzid(const std::string& tzid, icalcomponent* calendar, const Zone& local) {
    if (calendar != nullptr && icalcomponent_isa(calendar) == ICAL_VCALENDAR_COMPONENT) {
        if (icaltimezone* zone = icalcomponent_get_timezone(calendar, tzid.c_str())) {
            return {Zone::of(zone)};
        }
    }
    if (icaltimezone* zone = builtinZone(tzid)) {
        return {Zone::of(zone)};
    }
    if (const char* iana = ianaNameOfWindowsZone(tzid)) {
        if (icaltimezone* zone = builtinZone(iana)) {
            return {Zone::of(zone)};
        }
    }
    if (const auto offset = offsetOfDisplayName(tzid)) {
        return {Zone::fixed(*offset), false};
    }
    return {local, false};
}

}  // namespace solvane::ical
