// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A calendar's state in words, as the Calendars dialog shows it: what went wrong with its
// last read or fetch, or how many events it holds and when it was last read.

#include <QCoreApplication>
#include <QString>

#include "day_event.h"
#include "source.h"

namespace solvane {

class CalendarStateText {
    Q_DECLARE_TR_FUNCTIONS(CalendarStateText)

public:
    // "The file is not there." and the like; the detail, when there is one, after it.
    static QString error(const calendars::SourceError& error);
    // One line: the error, "Fetching...", "Reading...", "Not read yet", or the events read
    // with the last refresh in the locale's short format and local time.
    static QString summary(const calendars::CalendarSource& source,
                           const events::CalendarState& state, bool fetching);
    // The line; for a calendar whose last refresh failed, what is shown meanwhile; and for a
    // calendar read with losses, what was lost, one problem a line.
    static QString details(const calendars::CalendarSource& source,
                           const events::CalendarState& state, bool fetching);
};

}  // namespace solvane
