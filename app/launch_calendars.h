// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The calendars a start of the program is given on its command line, or by a file manager
// through the desktop entry's %U: calendar files, file:// addresses, and http, https and
// webcal addresses to subscribe to; `--holidays` before one marks it as the holidays. Paths are
// made absolute where the start ran, so that the running program can take them up from
// anywhere.
//
// In use:  const LaunchCalendars given = launchCalendars(arguments, QDir::currentPath());
//          addToList(list, given.calendars);

#include <QList>
#include <QString>
#include <QStringList>

namespace solvane {

namespace calendars {
class CalendarList;
}

struct CalendarRequest {
    QString location;  // an absolute path, or the address as given
    bool url = false;
    bool holidays = false;
    friend bool operator==(const CalendarRequest&, const CalendarRequest&) = default;
};

struct LaunchCalendars {
    QList<CalendarRequest> calendars;
    QStringList refused;  // what could not be taken, a sentence each
};

// `arguments` without the program's name.
LaunchCalendars launchCalendars(const QStringList& arguments, const QString& workingFolder);
// The same calendars as arguments again, for the running program.
QStringList asArguments(const QList<CalendarRequest>& calendars);
// Adds each calendar to the list, named after its file or address, unless the list has it
// already (a webcal address and its https twin are the same); `holidays` marks it either way.
// The ids of the calendars, in order; an empty id for one the list refused.
QStringList addToList(calendars::CalendarList& list, const QList<CalendarRequest>& calendars);

}  // namespace solvane
