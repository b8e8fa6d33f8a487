// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The tool strip's mode buttons: always on top, hiding into the notification area and back,
// week numbers, the Parameters dialog and exit.

#include <QEventLoopLocker>
#include <QSystemTrayIcon>
#include <QToolButton>

#include "platform.h"
#include "tcalendar.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "tray_icon.h"

namespace solvane {
namespace {

// Offset of the pointer from the window's centre when the Parameters dialog opens.
constexpr QPoint kParametersPointerOffset{50, 60};

}  // namespace

void TCalendar::setUpTimerAndWindowModes() {
    setUpTodayTimer();
    if (!showModally)
        showModally = [](QDialog& dialog) { dialog.exec(); };
    if (!trayAvailable)
        trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    // The icon stays in the notification area from start-up to exit, shown or hidden window.
    new TrayIcon(*this);
    RxTrayIcon1->show();
}

void TCalendar::SpeedButton1Click() {
    ResetCalendarHints();
    // Changing the flags of a shown window hides it; show it again where it stood.
    const bool onTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool shown = isVisible();
    const QPoint where = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, !onTop);
    move(where);
    if (shown)
        showAgainWithoutActivation();
    monthNumberBox(1)->setFocus();
}

void TCalendar::SpeedButton2Click() {
    ResetCalendarHints();
    hideToTray();
}

void TCalendar::Tray1Click() {
    hideToTray();
}

void TCalendar::hideToTray() {
    // Without a notification area there would be no icon to bring the window back.
    if (trayAvailable()) {
        hide();
        keepRunningWhileHidden_ = std::make_shared<QEventLoopLocker>();
        return;
    }
    boxes().message(
        QStringLiteral("There is no notification area on this desktop, so Solvane stays visible."));
}

void TCalendar::RxTrayIcon1Click() {
    // The window comes back as it was left: this show is not an activation that dates the
    // view anew.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    showAgainWithoutActivation();
    raise();
    activateWindow();
    keepRunningWhileHidden_.reset();
}

void TCalendar::bringToFront() {
    RxTrayIcon1Click();
}

void TCalendar::SpeedButton3Click() {
    close();
}

void TCalendar::SpeedButton4Click() {
    ResetCalendarHints();
    const QSize outer = frameGeometry().size();
    movePointerFromCorner(outer.width() / 2 + kParametersPointerOffset.x(),
                          outer.height() / 2 + kParametersPointerOffset.y());
    if (Home)
        showModally(*Home);
}

void TCalendar::SpeedButton5Click() {
    ResetCalendarHints();
    showWeekNumbers(WeekNumbersShown == 0);
}

void TCalendar::showWeekNumbers(bool on) {
    for (int k = 1; k <= 12; ++k)
        MonthCalendar(k)->setWeekNumbers(on);
    WeekNumbersShown = on ? 1 : 0;
}

}  // namespace solvane
