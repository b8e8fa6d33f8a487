// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "program.h"

#include <QApplication>
#include <QTimer>
#include <utility>

#include "hint_style.h"
#include "pictures.h"
#include "settings.h"
#include "settings_location.h"
#include "tcalendar.h"
#include "timing_probe.h"
#include "user_calendars.h"

namespace solvane {

Program::Program(QApplication& application) {
    installHintTimings(application);
    settings_ = std::make_unique<prefs::Settings>();
    calendar_ = std::make_unique<TCalendar>();
    calendar_->setSettings(settings_.get());
    // Without a home folder there is nowhere to keep a list: the view shows no calendars.
    if (const QString config = prefs::configHome(); !config.isEmpty()) {
        const QString cache = prefs::cacheHome();
        const QString data = prefs::dataHome();
        calendars_ = std::make_unique<UserCalendars>(
            config + QStringLiteral("/solvane/"),
            cache.isEmpty() ? QString() : cache + QStringLiteral("/solvane/"),
            data.isEmpty() ? QString() : data + QStringLiteral("/solvane/"));
        calendar_->setCalendars(calendars_.get());
    }
    calendar_->show();
    // Reading the list and the files waits until the window is up; the events are read on
    // the model's worker and fetched in the background.
    if (calendars_)
        QTimer::singleShot(0, calendars_.get(), [this] {
            qCInfo(lcTiming, "calendars start at %lld ms", monotonicMs());
            calendars_->start();
            qCInfo(lcTiming, "calendars started at %lld ms", monotonicMs());
            calendarsStarted_ = true;
            addCalendars(std::exchange(pendingCalendars_, {}));
        });
    // The window manager takes the icon as well once the window is up; reading its sizes
    // would only hold up the first show.
    QTimer::singleShot(0, &application, [] { QApplication::setWindowIcon(windowIcon()); });
}

Program::~Program() = default;

void Program::addCalendars(const QList<CalendarRequest>& calendars) {
    if (!calendars_ || calendars.isEmpty())
        return;
    if (!calendarsStarted_) {
        pendingCalendars_ += calendars;
        return;
    }
    addToList(calendars_->list(), calendars);
}

}  // namespace solvane
