// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's start-up once the application object exists, shared by the program itself
// and the end-to-end harness: the hint timings, the settings, the main window and its first
// show, whose activation loads the settings. The Parameters dialog waits until it is opened;
// the user's calendars are loaded once the window is up.

#include <QList>
#include <memory>

#include "launch_calendars.h"

class QApplication;

namespace solvane {

class TCalendar;
class UserCalendars;
namespace prefs {
class Settings;
}

class Program {
public:
    explicit Program(QApplication& application);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TCalendar& window() const { return *calendar_; }
    // Adds calendars to the user's list (a start's command line, or a later start's hand-over);
    // those given before the list is loaded are added once it is.
    void addCalendars(const QList<CalendarRequest>& calendars);

private:
    // Declared first: the window follows the settings until it is gone.
    std::unique_ptr<prefs::Settings> settings_;
    // Before the window, which shows its events: gone only after the window.
    std::unique_ptr<UserCalendars> calendars_;
    std::unique_ptr<TCalendar> calendar_;
    bool calendarsStarted_ = false;
    QList<CalendarRequest> pendingCalendars_;
};

}  // namespace solvane
