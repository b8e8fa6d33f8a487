// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tmonthcalendar.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>

#include "error.h"
#include "fonts.h"
#include "guard.h"
#include "hints.h"

namespace solvane {
namespace {

// The desktop's system colours as negative values (0xFF000000 plus the colour's index).
constexpr TColor clWindow = -16777211;
constexpr TColor clWindowText = -16777208;
constexpr TColor clActiveCaption = -16777214;
constexpr TColor clInactiveCaptionText = -16777197;

// The navigation bar takes the top of a 197 x 153 control; the year view covers it with its
// own panels, so the day grid must start where it does.
constexpr int kNavigationBarHeight = 27;
// The year view shows only the top 138 pixels of each month: the bottom band (where a month
// control writes today's date) stays free so that the header and all six weeks fit above it.
constexpr int kHiddenBottomBand = 15;

QWidget* navigationBar(QCalendarWidget* calendar) {
    return calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
}

QTableView* dayGrid(QCalendarWidget* calendar) {
    return calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
}

}  // namespace

TMonthCalendar::TMonthCalendar(QWidget* parent)
    : QCalendarWidget(parent), colors_{clWindow,  clWindowText, clActiveCaption,
                                       cl::White, cl::White,    clInactiveCaptionText} {
    // The default range begins in 1752; the year view pages back to 1700.
    setDateRange(minimumDate(), maximumDate());
    setGridVisible(false);
    setVerticalHeaderFormat(NoVerticalHeader);
    setHorizontalHeaderFormat(SingleLetterDayNames);
    setAutoFillBackground(true);
    if (QWidget* bar = navigationBar(this))
        bar->setFixedHeight(kNavigationBarHeight);
    if (layout())
        layout()->setContentsMargins(0, 0, 0, kHiddenBottomBand);
    if (QTableView* grid = dayGrid(this)) {
        // Eight columns (with week numbers) must share 197 pixels evenly.
        grid->horizontalHeader()->setMinimumSectionSize(0);
        grid->verticalHeader()->setMinimumSectionSize(0);
        grid->installEventFilter(this);  // Return and Space on the selected day
    }
    applyFont();
    applyColors();
    // The grid emits clicked() after a mouse click has changed the selection; keyboard moves
    // change the selection without it.
    connect(this, &QCalendarWidget::clicked, this, &TMonthCalendar::OnClick);
    // Paging to another month (keyboard, wheel, the bar's arrows) takes the selection along,
    // so that Date always lies in the month shown.
    connect(this, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int month) { guarded([&] { followPage(year, month); }); });
}

bool TMonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != dayGrid(this))
        return QCalendarWidget::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    const bool activates = press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter ||
                           press->key() == Qt::Key_Space;
    if (!activates || (press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QCalendarWidget::eventFilter(watched, event);
    emit dayActivated(selectedDate());
    return true;
}

void TMonthCalendar::followPage(int year, int month) {
    const QDate selected = selectedDate();
    if (selected.year() == year && selected.month() == month)
        return;
    const QDate first(year, month, 1);
    setSelectedDate(QDate(year, month, qMin(selected.day(), first.daysInMonth())));
}

void TMonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    QCalendarWidget::paintCell(painter, rect, date);
    if (date != clock().today())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(Qt::red), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    painter->restore();
}

QDate TMonthCalendar::Date() const {
    return selectedDate();
}

void TMonthCalendar::setDate(QDate date) {
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        throw Error(QStringLiteral("Failed to set calendar date or time"));
    setSelectedDate(date);
    setCurrentPage(date.year(), date.month());
}

TColor TMonthCalendar::CalColors(int index) const {
    if (index < 0 || index >= int(colors_.size()))
        return cl::Black;
    return colors_[size_t(index)];
}

void TMonthCalendar::setCalColors(int index, TColor colour) {
    if (index < 0 || index >= int(colors_.size()))
        return;
    if (colors_[size_t(index)] == colour)
        return;
    colors_[size_t(index)] = colour;
    applyColors();
}

bool TMonthCalendar::WeekNumbers() const {
    return verticalHeaderFormat() == ISOWeekNumbers;
}

void TMonthCalendar::setWeekNumbers(bool on) {
    if (WeekNumbers() == on)
        return;
    setVerticalHeaderFormat(on ? ISOWeekNumbers : NoVerticalHeader);
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

void TMonthCalendar::applyFont() {
    // A small sans font, so that the header and six weeks fit in a 197 x 153 control.
    setFont(classicSansFont());
}

void TMonthCalendar::applyColors() {
    const QColor back = toQColor(colors_[BackColor]);
    const QColor text = toQColor(colors_[TextColor]);
    const QColor titleBack = toQColor(colors_[TitleBackColor]);
    const QColor titleText = toQColor(colors_[TitleTextColor]);
    const QColor monthBack = toQColor(colors_[MonthBackColor]);
    const QColor trailing = toQColor(colors_[TrailingTextColor]);

    // The grid takes its cell colours from this palette: Base behind the days, AlternateBase
    // behind the header row and week numbers, Text for the days of the month and the
    // disabled group's Text for the days of the months before and after.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, monthBack);
    palette.setColor(QPalette::AlternateBase, monthBack);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Disabled, QPalette::Text, trailing);
    palette.setColor(QPalette::Highlight, titleBack);
    palette.setColor(QPalette::HighlightedText, titleText);
    palette.setColor(QPalette::Button, titleBack);
    palette.setColor(QPalette::ButtonText, titleText);
    setPalette(palette);

    if (QWidget* bar = navigationBar(this)) {
        QPalette title = bar->palette();
        title.setColor(QPalette::Window, titleBack);
        title.setColor(QPalette::WindowText, titleText);
        title.setColor(QPalette::Button, titleBack);
        title.setColor(QPalette::ButtonText, titleText);
        bar->setPalette(title);
        bar->setAutoFillBackground(true);
    }

    // Weekends are not set apart: no day of the week has a colour of its own, so every day
    // takes the palette's (TextColor, or the disabled colour while the control is disabled).
    const QTextCharFormat day;
    for (int weekday = Qt::Monday; weekday <= Qt::Sunday; ++weekday)
        setWeekdayTextFormat(Qt::DayOfWeek(weekday), day);
    QTextCharFormat header;
    header.setForeground(text);
    header.setBackground(monthBack);
    setHeaderTextFormat(header);
    if (QTableView* grid = dayGrid(this))
        grid->viewport()->update();
}

}  // namespace solvane
