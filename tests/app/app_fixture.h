// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window as the program builds it, on a fixed clock and a prefs.cal in a temporary
// folder: the window (its creation runs at construction), then the hidden Parameters dialog.
// The 10 ms timer is stopped, so that only what a test does changes the view.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "children.h"
#include "fakeplatform.h"
#include "tcalendar.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "umedit.h"

namespace solvane::test {

// How long a test waits for what the clock or the event loop brings before it calls the
// program hung: generous, since a loaded machine may be slow; it is never a speed claim.
inline constexpr int kHangCheckMs = 60'000;

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

inline TMonthCalendar* monthCalendar(const TCalendar& calendar, int k) {
    return child<TMonthCalendar>(calendar, QStringLiteral("MonthCalendar%1").arg(k));
}

inline TPanel* panel(const TCalendar& calendar, int n) {
    return child<TPanel>(calendar, QStringLiteral("Panel%1").arg(n));
}

inline QString labelText(const TCalendar& calendar, const char* name) {
    return child<QLabel>(calendar, QLatin1String(name))->text();
}

inline void clickButton(const TCalendar& calendar, const char* name) {
    QTest::mouseClick(child<QToolButton>(calendar, QLatin1String(name)), Qt::LeftButton);
}

// Opens the year entry box as a user does, with its strip button.
inline void openYearEntry(const TCalendar& calendar) {
    clickButton(calendar, "SpeedButton6");
}

// Shows the twelve months of a year as a user asks for it: the year entry button, the year
// typed, Enter.
inline void showYear(const TCalendar& calendar, int year) {
    openYearEntry(calendar);
    auto* field = child<TumNumberEdit>(calendar, QStringLiteral("umNumberEdit1"));
    QTest::keyClicks(field, QString::number(year));
    QTest::keyClick(field, Qt::Key_Return);
}

// The grid cell that shows `day`: of the month the calendar shows, or of the month after it.
inline QRect dayCell(TMonthCalendar* calendar, int day, bool nextMonth) {
    const QDate first(calendar->yearShown(), calendar->monthShown(), 1);
    const QDate month = first.addMonths(nextMonth ? 1 : 0);
    return calendar->dayRect(QDate(month.year(), month.month(), day));
}

inline void clickDay(TMonthCalendar* calendar, int day, bool nextMonth = false) {
    const QRect cell = dayCell(calendar, day, nextMonth);
    QVERIFY(cell.isValid());
    QTest::mouseClick(calendar, Qt::LeftButton, {}, cell.center());
}

struct AppFixture {
    explicit AppFixture(const QDateTime& now = QDateTime(QDate(2026, 12, 7), QTime(10, 0)),
                        const QStringList& prefs = defaultPrefs(), bool withSettings = true)
        : platform(now) {
        if (!prefs.isEmpty())
            platform.writePrefs(prefs);
        calendar = std::make_unique<TCalendar>();
        child<QTimer>(*calendar, QStringLiteral("Timer1"))->stop();
        if (withSettings)
            calendar->setSettings(&settings);
    }

    // The Parameters dialog, made as the window makes it when it is first opened.
    THome* home() const { return calendar->parametersDialog(); }

    TMonthCalendar* month(int k) const { return monthCalendar(*calendar, k); }
    // The Date Panel over month k.
    QString title(int k) const { return panel(*calendar, 29 + k)->Caption(); }
    YearViewState state() const { return calendar->state(); }

    // Activates the window as the window system does: a show from hidden, whose activation
    // runs once the show has been handled. Only that call is delivered, so that no timer
    // ticks meanwhile, however slow the machine.
    void activate() const {
        calendar->hide();
        calendar->show();
        QCoreApplication::sendPostedEvents(calendar.get(), QEvent::MetaCall);
    }

    // A click on the notification-area icon.
    void clickTrayIcon() const {
        emit child<QSystemTrayIcon>(*calendar, QStringLiteral("RxTrayIcon1"))
            ->activated(QSystemTrayIcon::Trigger);
    }
    QPoint corner() const { return calendar->frameGeometry().topLeft(); }

    FakePlatform platform;
    prefs::Settings settings;
    std::unique_ptr<TCalendar> calendar;
};

}  // namespace solvane::test
