// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window as the program builds it, on a fixed clock and a prefs.cal in a temporary
// folder: the window (its creation runs at construction), then the hidden Parameters dialog.
// The 10 ms timer is stopped, so that only what a test does changes the view.

#include <QStringList>
#include <QTimer>
#include <memory>

#include "fakeplatform.h"
#include "tcalendar.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane::test {

// Flags, longitude, latitude, offset and the six colours, as a fresh installation has them.
inline QStringList defaultPrefs() {
    return {QStringLiteral("00"),
            QString(),
            QString(),
            QString(),
            QStringLiteral("16711680"),
            QStringLiteral("65535"),
            QStringLiteral("16777215"),
            QStringLiteral("8388608"),
            QStringLiteral("12632256"),
            QStringLiteral("12632256")};
}

inline QStringList placePrefs(const QString& flags, const QString& longitude,
                              const QString& latitude, const QString& offset) {
    QStringList lines = defaultPrefs();
    lines[0] = flags;
    lines[1] = longitude;
    lines[2] = latitude;
    lines[3] = offset;
    return lines;
}

struct AppFixture {
    explicit AppFixture(const QDateTime& now = QDateTime(QDate(2026, 12, 7), QTime(10, 0)),
                        const QStringList& prefs = defaultPrefs(), bool withHome = true)
        : platform(now) {
        if (!prefs.isEmpty())
            platform.writePrefs(prefs);
        calendar = std::make_unique<TCalendar>();
        calendar->Timer1->stop();
        if (withHome) {
            home = std::make_unique<THome>(calendar.get());
            calendar->setHome(home.get());
        }
    }
    ~AppFixture() {
        calendar->setHome(nullptr);
        home.reset();
        calendar.reset();
    }

    TMonthCalendar* month(int k) const { return calendar->MonthCalendar(k); }
    QString title(int k) const { return calendar->Panel(29 + k)->Caption(); }
    QPoint corner() const { return calendar->frameGeometry().topLeft(); }

    FakePlatform platform;
    std::unique_ptr<TCalendar> calendar;
    std::unique_ptr<THome> home;
};

}  // namespace solvane::test
