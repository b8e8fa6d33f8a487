// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's start-up once the application object exists, shared by the program itself
// and the end-to-end harness: the hint timings, the main window, the hidden Parameters dialog
// created right after it, and the first show, whose activation loads the preferences.

#include <memory>

class QApplication;

namespace solvane {

class TCalendar;
class THome;

class Program {
public:
    explicit Program(QApplication& application);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TCalendar& window() const { return *calendar_; }

private:
    std::unique_ptr<TCalendar> calendar_;
    // A window of its own, not a child of the year view.
    std::unique_ptr<THome> home_;
};

}  // namespace solvane
