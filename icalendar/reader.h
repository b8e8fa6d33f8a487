// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The iCalendar (RFC 5545) reader: a file's bytes and a range of days in, the occurrences of
// its events in that range out, with what could not be read as typed problems. Safe to call
// from any thread; calls from several threads take turns at libical.

#include <string>
#include <string_view>

#include "calendar_values.h"

namespace solvane::ical {

ReadResult readCalendar(std::string_view bytes, const Request& request);

// Reads the file at `path` first: regular files only (a FIFO, a device or a directory is
// refused before any read could block), up to request.limits.fileBytes.
ReadResult readCalendarFile(const std::string& path, const Request& request);

}  // namespace solvane::ical
