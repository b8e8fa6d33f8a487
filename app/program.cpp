// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "program.h"

#include <QApplication>

#include "hint_style.h"
#include "tcalendar.h"
#include "thome.h"

namespace solvane {

Program::Program(QApplication& application) {
    installHintTimings(application);
    calendar_ = std::make_unique<TCalendar>();
    // The dialog exists, hidden, before the first activation loads the preferences into it.
    home_ = std::make_unique<THome>(calendar_.get());
    calendar_->setHome(home_.get());
    calendar_->show();
}

Program::~Program() {
    calendar_->setHome(nullptr);
}

}  // namespace solvane
