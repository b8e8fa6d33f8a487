// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// A month calendar's words for the events of its days: the tooltip over a day, the popup
// under a day that was clicked or chosen by key, and what assistive technology hears.

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

#include "day_popup.h"
#include "month_calendar_accessible.h"
#include "tmonthcalendar.h"

namespace solvane {

void TMonthCalendar::setDayTexts(DayTextsSource source) {
    texts_ = std::move(source);
    if (popup_)
        popup_->dismiss();
}

DayTexts TMonthCalendar::dayTexts(QDate date) const {
    // The days of the neighbouring months are another month's to tell, as to mark.
    if (!texts_ || !date.isValid() || date.year() != yearShown() || date.month() != monthShown())
        return {};
    return texts_(date);
}

bool TMonthCalendar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<const QHelpEvent*>(event);
        if (showDayTip(help->pos(), help->globalPos()))
            return true;
    }
    return QWidget::event(event);
}

// A day with events lists them, with the control's hint (while hints are on) under them; any
// other day leaves the tooltip to the hint as before. The tip closes once the pointer leaves
// the day.
bool TMonthCalendar::showDayTip(const QPoint& at, const QPoint& globalAt) {
    const QDate date = dateAt(at);
    if (date.isValid() && date == popupDate_)
        return true;  // its events are shown under it already
    const DayTexts texts = dayTexts(date);
    if (texts.empty())
        return false;
    QStringList lines = texts.lines;
    if (!toolTip().isEmpty())
        lines.append(toolTip());
    QToolTip::showText(globalAt, linesHtml(lines), this, dayRect(date));
    return true;
}

void TMonthCalendar::showDayEvents(QDate date) {
    const DayTexts texts = dayTexts(date);
    if (texts.empty()) {
        if (popup_)
            popup_->dismiss();
        return;
    }
    if (!popup_) {
        popup_ = new DayPopup(this);
        connect(popup_, &DayPopup::closed, this, [this] {
            const QDate was = std::exchange(popupDate_, QDate());
            announceDayEvents(was);
        });
    }
    QToolTip::hideText();
    const QRect cell = dayRect(date);
    popup_->showUnder(QRect(mapToGlobal(cell.topLeft()), cell.size()), linesHtml(texts.lines));
    popupDate_ = date;
    announceDayEvents(date);
}

// Qt 6.4 has no announcement event: the cell's description carries the events while they are
// shown, and its change is what a screen reader hears.
void TMonthCalendar::announceDayEvents(QDate date) {
    if (!date.isValid() || !QAccessible::isActive())
        return;
    const int cell = grid().cellOf(date);
    if (cell < 0)
        return;
    QAccessibleEvent change(this, QAccessible::DescriptionChanged);
    change.setChild(cell);
    QAccessible::updateAccessibility(&change);
}

}  // namespace solvane
