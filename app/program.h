// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's start-up once the application object exists, shared by the program itself
// and the end-to-end harness: the hint timings, the settings, the main window and its first
// show, whose activation loads the settings. The Parameters dialog waits until it is opened.

#include <memory>

class QApplication;

namespace solvane {

class TCalendar;
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

private:
    // Declared first: the window follows the settings until it is gone.
    std::unique_ptr<prefs::Settings> settings_;
    std::unique_ptr<TCalendar> calendar_;
};

}  // namespace solvane
