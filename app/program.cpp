// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "program.h"

#include <QApplication>
#include <QTimer>

#include "hint_style.h"
#include "pictures.h"
#include "settings.h"
#include "tcalendar.h"

namespace solvane {

Program::Program(QApplication& application) {
    installHintTimings(application);
    settings_ = std::make_unique<prefs::Settings>();
    calendar_ = std::make_unique<TCalendar>();
    calendar_->setSettings(settings_.get());
    calendar_->show();
    // The window manager takes the icon as well once the window is up; reading its sizes
    // would only hold up the first show.
    QTimer::singleShot(0, &application, [] { QApplication::setWindowIcon(windowIcon()); });
}

Program::~Program() = default;

}  // namespace solvane
