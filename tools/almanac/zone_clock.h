// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The almanac's time zone, whose offsets the C library computes from the system's zone files
// (TZ with tzset and localtime_r). The C library opens whatever TZ names with a blocking open,
// so every file it is handed is first checked to be a regular zone file, opened without
// blocking: a FIFO in the zone folder can then never hang the almanac.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "timezone_system.h"

namespace solvane::almanac {

class ZoneClock {
public:
    ZoneClock() = default;  // UTC
    explicit ZoneClock(std::string value) : tz(std::move(value)) {}

    // The TZ value handed to the C library: ":" and the path of a checked zone file, or a rule
    // such as "EST5EDT,M3.2.0,M11.1.0" from the environment's TZ. Empty for UTC, which needs
    // neither a file nor the C library.
    std::string tz;

    // Seconds ahead of UTC at an instant in seconds since 1970-01-01 00:00 UTC, once the zone
    // is in use.
    long offsetAt(std::int64_t utcSeconds) const;

private:
    // A run asks for the same instants again on the next date (each date's noon serves as the
    // day before, the date and the day after): the latest answers are kept.
    struct Known {
        std::int64_t utcSeconds = 0;
        long offset = 0;
        bool valid = false;
    };
    mutable std::array<Known, 12> known_{};
    mutable std::size_t nextKnown_ = 0;
};

// The zone of that name in the zone folder; UTC ("UTC", "Etc/UTC") even without one. Empty
// when the folder holds no regular zone file of that name, or when the name leaves it.
std::optional<ZoneClock> namedZoneClock(const astro::SystemZoneSources& sources,
                                        const std::string& name);

// The system's zone as the C library takes it: TZ, else /etc/localtime. UTC when neither names
// a zone, as the C library does, and also when the file either names is not a regular file.
ZoneClock systemZoneClock(const astro::SystemZoneSources& sources);

// Puts the zone in use for offsetAt(); once, before the first offset.
void useZoneClock(const ZoneClock& zone);

}  // namespace solvane::almanac
