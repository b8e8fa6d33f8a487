// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The tool strip's mode buttons: always on top, hiding into the notification area and back,
// week numbers, the Parameters dialog and exit.

#include <QAction>
#include <QEventLoopLocker>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <algorithm>

#include "platform.h"
#include "tcalendar.h"
#include "thome.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

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
    if (trayNoticeShown_)
        return;
    trayNoticeShown_ = true;
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

// The width button's menu holds only "Tray", and shows it only with one month. A menu with
// nothing to show would open as an empty popup, unseen, that takes the next click.
void TCalendar::popUpWidthMenu(QPoint at) {
    const QList<QAction*> items = PopupMenu1->actions();
    if (std::none_of(items.begin(), items.end(), [](const QAction* a) { return a->isVisible(); }))
        return;
    PopupMenu1->popup(SpeedButton7->mapToGlobal(at));
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
