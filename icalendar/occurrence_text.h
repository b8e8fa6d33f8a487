// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A line of text per occurrence, for tests and tools: "2026-12-25<TAB>2026-12-26<TAB>Summary"
// for a day, "2026-01-12T08:00:00Z<TAB>2026-01-12T09:00:00Z<TAB>Summary" for a time, and the
// day marked "2026-03-01~" for a rule under a day. Not meant for users' eyes.

#include <string>

#include "calendar_values.h"

namespace solvane::ical {

std::string occurrenceLine(const Occurrence& occurrence);
const char* problemName(ProblemKind kind);

}  // namespace solvane::ical
