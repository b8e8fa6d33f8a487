// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The almanac's clock: how far local time is ahead of UT, from --offset or from the zone of
// --tz, in the two directions the moon needs.

#include <cstdint>

#include "dates.h"
#include "rows.h"

namespace solvane::almanac {

inline constexpr long long kSerialOfEpoch = 25569;  // 1970-01-01 in days since 1899-12-30

// Seconds ahead of UT at a moment of local time.
long offsetAtLocalTime(const RowSettings& settings, const astro::DateTime& local);

// Seconds ahead of UT at an instant in seconds since 1970-01-01 00:00 UT.
long offsetAtInstant(const RowSettings& settings, std::int64_t utcSeconds);

// Seconds since 1970-01-01 00:00 of a moment read as if it were UT.
std::int64_t secondsSinceEpoch(const astro::DateTime& moment);

}  // namespace solvane::almanac
