// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "program.h"

#include <QApplication>

#include "hint_style.h"
#include "settings.h"
#include "tcalendar.h"

namespace solvane {

Program::Program(QApplication& application) {
    installHintTimings(application);
    settings_ = std::make_unique<prefs::Settings>();
    calendar_ = std::make_unique<TCalendar>();
    calendar_->setSettings(settings_.get());
    calendar_->show();
}

Program::~Program() = default;

}  // namespace solvane
