// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The lines of --phases: one per principal phase of the moon, "2026-12-09T00:52", a tab and
// "new moon", in local time rounded to the minute.

#include <cstddef>
#include <vector>

#include "dates.h"
#include "moon_phases.h"
#include "rows.h"

namespace solvane::almanac {

// More than the longest phase line.
inline constexpr std::size_t kMaxPhaseLineSize = 48;
static_assert(kMaxPhaseLineSize <= kMaxRowSize, "a phase line fits where a row does");

// The principal phases from 00:00 local time of `first` to 00:00 of `days` days later.
std::vector<astro::PhaseInstant> phasesOfDays(const RowSettings& settings, const astro::Date& first,
                                              long long days);

// Writes the line of one phase at `out`; returns its end.
char* writePhaseLine(char* out, const RowSettings& settings, const astro::PhaseInstant& phase);

}  // namespace solvane::almanac
