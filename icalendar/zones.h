// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The zone of a time in a file: a VTIMEZONE of the file, a zone of the system by its IANA
// name, a Windows zone name mapped to one, an offset stated in an Outlook display name, or
// the local zone for floating times. Wall times convert to instants and back through it.

#include <libical/ical.h>

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "calendar_values.h"

namespace solvane::ical {

inline constexpr std::int64_t kSecondsPerDay = 86400;

// Held around every use of libical: its built-in zone cache is shared by all threads, and its
// first loads race (libical#468, and an open report against 3.0's successors).
std::mutex& libicalMutex();

class Zone {
public:
    Zone() = default;  // UTC
    static Zone utc() { return Zone(); }
    static Zone fixed(int offsetSeconds);
    static Zone of(icaltimezone* zone) { return Zone(zone); }

    // Seconds since 1970 UTC of a wall time in this zone (a date counts from its midnight).
    std::int64_t instantOf(icaltimetype wall) const;
    // The wall time of an instant in this zone.
    icaltimetype wallOf(std::int64_t instant) const;
    // The zone libical's recurrence iterator should carry, null for floating arithmetic.
    icaltimezone* libicalZone() const { return zone_; }

private:
    explicit Zone(icaltimezone* zone) : zone_(zone) {}
    icaltimezone* zone_ = nullptr;
    int offset_ = 0;
};

// Days since 1970-01-01 of a civil date, and back.
std::int64_t daySerial(const Date& date);
Date dateOfSerial(std::int64_t serial);

// The system's zone of that IANA name, or of a TZID written with libical's prefix.
icaltimezone* builtinZone(const std::string& name);

// The local zone of a request; empty when its IANA name is not known.
std::optional<Zone> localZone(const LocalZone& local);

// The IANA name CLDR gives a Windows zone name ("W. Europe Standard Time"), or null.
const char* ianaNameOfWindowsZone(const std::string& windowsName);

// The offset an Outlook display name states: "(UTC+01:00) Amsterdam, Berlin" or
// "(GMT+01.00) Sarajevo"; empty for any other text.
std::optional<int> offsetOfDisplayName(const std::string& name);

struct ZoneResolution {
    Zone zone;
    bool known = true;  // false: a TZID nobody knows, read as a stated offset or as local
};

// The zone a property's TZID names, looked up in `calendar` (its VTIMEZONEs) first.
ZoneResolution resolveTzid(const std::string& tzid, icalcomponent* calendar, const Zone& local);

}  // namespace solvane::ical
