// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tmonthcalendar.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

#include "error.h"
#include "hints.h"
#include "month_calendar_accessible.h"
#include "platform.h"

namespace solvane {
namespace {

// The desktop's system colours as negative values (0xFF000000 plus the colour's index).
constexpr TColor clWindow = -16777211;
constexpr TColor clWindowText = -16777208;
constexpr TColor clActiveCaption = -16777214;
constexpr TColor clInactiveCaptionText = -16777197;

QDate firstOfMonth(QDate date) {
    return QDate(date.year(), date.month(), 1);
}

}  // namespace

TMonthCalendar::TMonthCalendar(QWidget* parent)
    : QWidget(parent), colors_{clWindow,  clWindowText, clActiveCaption,
                               cl::White, cl::White,    clInactiveCaptionText} {
    // Every pixel is painted by paintEvent: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    installMonthCalendarAccessibility();
}

void TMonthCalendar::setDate(QDate date) {
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        throw Error(tr("Failed to set calendar date or time"));
    const QDate page = firstOfMonth(date);
    const bool paged = page != shown_;
    shown_ = page;
    select(date);
    if (paged) {
        update();
        emit currentPageChanged(shown_.year(), shown_.month());
    }
}

void TMonthCalendar::select(QDate date) {
    if (date == selected_)
        return;
    const QDate old = selected_;
    selected_ = date;
    update(dayRect(old));
    update(dayRect(date));
    notifySelection(this);
    emit selectionChanged();
}

TColor TMonthCalendar::CalColors(int index) const {
    if (index < 0 || index >= int(colors_.size()))
        return cl::Black;
    return colors_[size_t(index)];
}

void TMonthCalendar::setCalColors(int index, TColor colour) {
    if (index < 0 || index >= int(colors_.size()) || colors_[size_t(index)] == colour)
        return;
    colors_[size_t(index)] = colour;
    update();
}

void TMonthCalendar::setWeekNumbers(bool on) {
    if (weekNumbers_ == on)
        return;
    weekNumbers_ = on;
    update();
}

QString TMonthCalendar::Hint() const {
    return hint(this);
}
void TMonthCalendar::setHint(const QString& text) {
    solvane::setHint(this, text);
}
bool TMonthCalendar::ShowHint() const {
    return showHint(this);
}
void TMonthCalendar::setShowHint(bool on) {
    solvane::setShowHint(this, on);
}

Qt::DayOfWeek TMonthCalendar::firstDayOfWeek() const {
    return locale().firstDayOfWeek();
}

MonthGrid TMonthCalendar::grid() const {
    return MonthGrid(shown_, firstDayOfWeek(), size(), weekNumbers_);
}

QRect TMonthCalendar::dayRect(QDate date) const {
    const MonthGrid month = grid();
    const int cell = month.cellOf(date);
    return cell < 0 ? QRect() : month.dayCell(cell / MonthGrid::kDays, cell % MonthGrid::kDays);
}

QDate TMonthCalendar::dateAt(QPoint point) const {
    const MonthGrid month = grid();
    const int cell = month.cellAt(point);
    return cell < 0 ? QDate() : month.dateAt(cell / MonthGrid::kDays, cell % MonthGrid::kDays);
}

void TMonthCalendar::mousePressEvent(QMouseEvent* event) {
    pressed_ = QDate();
    if (event->button() != Qt::LeftButton)
        return;
    const QDate date = dateAt(event->position().toPoint());
    // The days shown beyond either end of the range cannot be selected.
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        return;
    pressed_ = date;
    // A day of the month before or after is selected where it stands: the control keeps the
    // month it shows, and the year view decides what such a click means.
    select(date);
}

void TMonthCalendar::mouseReleaseEvent(QMouseEvent* event) {
    const QDate pressed = pressed_;
    pressed_ = QDate();
    if (event->button() != Qt::LeftButton || !pressed.isValid())
        return;
    if (dateAt(event->position().toPoint()) == pressed)
        emit OnClick();
}

void TMonthCalendar::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        event->ignore();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit activated(selected_);
            return;
        default:
            if (!moveSelection(event->key()))
                event->ignore();
    }
}

bool TMonthCalendar::moveSelection(int key) {
    QDate target;
    switch (key) {
        case Qt::Key_Left:
            target = selected_.addDays(-1);
            break;
        case Qt::Key_Right:
            target = selected_.addDays(1);
            break;
        case Qt::Key_Up:
            target = selected_.addDays(-MonthGrid::kDays);
            break;
        case Qt::Key_Down:
            target = selected_.addDays(MonthGrid::kDays);
            break;
        case Qt::Key_Home:
            target = shown_;
            break;
        case Qt::Key_End:
            target = shown_.addDays(shown_.daysInMonth() - 1);
            break;
        default:
            return false;
    }
    // The selection stays in the month shown: a key never pages the control.
    if (firstOfMonth(target) == shown_)
        select(target);
    return true;
}

void TMonthCalendar::todayChanged() {
    if (clock().today() != ringed_)
        update();
}

void TMonthCalendar::focusInEvent(QFocusEvent* event) {
    update(dayRect(selected_));  // the focus frame on the selected day
    QWidget::focusInEvent(event);
}

void TMonthCalendar::focusOutEvent(QFocusEvent* event) {
    update(dayRect(selected_));
    QWidget::focusOutEvent(event);
}

void TMonthCalendar::changeEvent(QEvent* event) {
    // A new locale may start the week on another day; a new state changes the ink.
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

}  // namespace solvane
