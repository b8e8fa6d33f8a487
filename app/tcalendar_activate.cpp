// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Activation: every run reads the preferences again and dates the twelve months. The year
// navigation calls it directly after choosing how the first month is dated.

#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include "datetext.h"
#include "guard.h"
#include "platform.h"
#include "settings.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane {

// The window system's activation, as far as Qt can tell it: the window runs FormActivate
// when it is shown from hidden (the first show above all), once the show has been handled;
// the notification-area icon brings the window back as it was left, without one. Closing a
// modal dialog or message box of the program hands the focus back without a show, so it
// runs nothing, and neither does switching between programs. Shows that the window system
// starts by itself (a window restored by the window manager) are left alone.
void TCalendar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous() || !activateOnShow_)
        return;
    if (!centredOnce_) {
        centreOnDesktop();
        watchForTheFrame();
        // What the window system's first show does not need waits until it is done.
        QTimer::singleShot(0, this, guard(this, &TCalendar::completeOnFirstShow));
    }
    QTimer::singleShot(0, this, guard(this, &TCalendar::FormActivate));
}

void TCalendar::showAgainWithoutActivation() {
    activateOnShow_ = false;
    show();
    activateOnShow_ = true;
}

void TCalendar::centreOnDesktop() {
    centredOnce_ = true;
    const QScreen* desktop = screen();
    if (!desktop)
        return;
    const QRect area = desktop->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void TCalendar::movePointerFromCorner(int dx, int dy) {
    pointer().moveTo(frameGeometry().topLeft() + QPoint(dx, dy));
}

void TCalendar::FormActivate() {
    if (!FirstActivated) {
        FullPos = pos();
        pointToCloseButton();
        FirstActivated = true;
    }
    LoadPreferences();  // an error here ends the activation before the dating
    dateFirstCalendar();
    dateTwelveMonths();
}

void TCalendar::redate(solvane::RedateMode mode) {
    model_.setRedateMode(mode);
    FormActivate();
}

YearViewState TCalendar::state() const {
    YearViewState s;
    s.FirstActivated = FirstActivated;
    s.RedateMode = model_.redateMode();
    s.YearAnchor = model_.anchorYear();
    s.CompactMode = model_.compactMode();
    s.CompactWidth = model_.compactWidth();
    s.YearButtonToJanuary = model_.yearButtonToJanuary();
    s.SavedCompactDates = model_.savedCompactDates();
    s.CompactPos = CompactPos;
    s.FullPos = FullPos;
    s.WeekNumbersShown = model_.weekNumbersShown() ? 1 : 0;
    s.SunDisplayCountdown = model_.sunDisplayCountdown();
    return s;
}

void TCalendar::LoadPreferences() {
    if (settings_)
        settings_->load();
    CalcSun(clock().today());
}

void TCalendar::dateFirstCalendar() {
    if (const std::optional<QDate> january =
            model_.redate(MonthCalendar(1)->Date(), clock().today()))
        MonthCalendar(1)->setDate(*january);
}

void TCalendar::dateTwelveMonths() {
    const QDate first = MonthCalendar(1)->Date();
    for (int k = 1; k <= 12; ++k) {
        monthNumberBox(k)->setCaption(k < 10 ? QStringLiteral("%1 ").arg(k) : QString::number(k));
        if (k >= 2)
            MonthCalendar(k)->setDate(YearModel::monthOfView(first, k));
        datePanel(k)->setCaption(monthTitleText(MonthCalendar(k)->Date()));
    }
}

void TCalendar::CalcJulianDate(const QDate& date) {
    const std::string caption =
        Julian.CalcJulianDate(toAstro(date), toAstro(clock().today()), FirstActivated,
                              localeMonthNames(), captionPattern());
    if (!caption.empty())
        setWindowTitle(QString::fromStdString(caption));
}

}  // namespace solvane
