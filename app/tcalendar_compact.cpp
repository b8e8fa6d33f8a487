// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Compact mode: the window shrinks to one row of one, two or three months with the tool
// strip just below them; previous and next then step the row month by month.

#include <QAction>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "platform.h"
#include "tcalendar.h"
#include "tjpaneltexture.h"
#include "tmonthcalendar.h"
#include "tpanel.h"
#include "window_size.h"

namespace solvane {
namespace {

using window::kFrameHeight;
using window::kFrameWidth;
using window::kFullOuterHeight;
using window::kFullOuterWidth;

// The window sizes below are outer sizes, frame and title bar included (window_size.h).

// Added to a strip button's place to put the pointer over it, counted from the window's
// outer top-left corner.
constexpr int kPointerDown = 37;
constexpr int kPointerRightOfCompactButton = 20;
constexpr int kPointerRightOfWidthButton = 13;

constexpr int kKeepLeft = -1;  // the button stays where it is (out of sight in compact widths)

struct StripLayout {
    int outerWidth;
    int outerHeight;
    int stripTop;      // Panel28
    int stripWidth;    // Panel28
    int textureWidth;  // JPanelTexture1
    // Lefts of SpeedButton11, 10, 9, 8, 7, 3, 6, 5, 1, 2 in the strip.
    std::array<int, 10> lefts;
};

// The full year's strip is placeFullYearStrip()'s.

// Indexed by the compact width less one.
constexpr std::array<StripLayout, 3> kCompactLayouts{{
    {203, 198, 142, 205, 203, {0, 27, 104, 131, 165, 266, kKeepLeft, 639, kKeepLeft, 349}},
    {402, 199, 142, 398, 397, {33, 62, 141, 173, 207, 238, kKeepLeft, 287, 317, 347}},
    {600, 198, 142, 595, 810, {130, 159, 238, 270, 304, 333, 356, 382, 412, 442}},
}};

}  // namespace

void TCalendar::BitBtn1Click() {
    ResetCalendarHints();
    if (model_.weekNumbersShown())
        model_.setWeekNumbersShown(false);
    if (model_.compactMode())
        leaveCompactMode();
    else
        enterCompactMode();
}

void TCalendar::enterCompactMode() {
    model_.enterCompactMode();
    // Calendars outside the compact window take no input.
    for (int k = 4; k <= 12; ++k)
        MonthCalendar(k)->setEnabled(false);
    // The strip moves up to row 2, and these would be drawn over it.
    for (int k = 5; k <= 7; ++k)
        datePanel(k)->hide();
    move(CompactPos);
    for (QWidget* w : {Image1, Image2, Image3, Label3, Label4})
        w->hide();
    SmallCal();
    pointerToStripButton(SpeedButton8, kPointerRightOfCompactButton);
    monthNumberBox(1)->setFocus();
}

void TCalendar::leaveCompactMode() {
    for (int k = 1; k <= 12; ++k)
        MonthCalendar(k)->setEnabled(true);
    model_.leaveCompactMode(compactRowShown());  // the year button names the year again
    for (QWidget* w : {Image1, Image2, Image3, Label3, Label4})
        w->show();
    SpeedButton6->show();
    SpeedButton7->hide();
    FormActivate();  // January to December of the year the row was in
    monthNumberBox(1)->setCaption(QStringLiteral("1 "));
    monthNumberBox(2)->setCaption(QStringLiteral("2 "));
    monthNumberBox(3)->setCaption(QStringLiteral("3 "));
    for (int k = 1; k <= 3; ++k)
        monthNumberBox(k)->setAccessibleName(QString());  // the caption names it again
    // The compact window remembers where the user left it; the full year goes back to where
    // it stood at the first activation.
    CompactPos = pos();
    move(FullPos);
    for (int k = 5; k <= 7; ++k)
        datePanel(k)->show();
    setFixedSize(kFullOuterWidth - kFrameWidth, kFullOuterHeight - kFrameHeight);
    placeFullYearStrip();
    monthNumberBox(1)->setFocus();
    pointerToStripButton(SpeedButton8, kPointerRightOfCompactButton);
}

CompactRow TCalendar::compactRowShown() const {
    return {MonthCalendar(1)->Date(), MonthCalendar(2)->Date(), MonthCalendar(3)->Date()};
}

void TCalendar::BitBtn7Click() {
    ResetCalendarHints();
    model_.nextCompactWidth(compactRowShown());  // 2, 3, 1, 2, ...
    SmallCal();
}

void TCalendar::SmallCal() {
    model_.layOutCompactRow();  // the year button reads "Jan " and the year
    SpeedButton6->hide();
    SpeedButton7->show();
    FormActivate();
    applyStripLayout(model_.compactWidth());
    // With one month the tray button is out of sight; the width button's menu stands in.
    Tray1->setVisible(model_.compactWidth() == 1);
    if (const std::optional<CompactRow> row =
            model_.compactRowAfterLayout(MonthCalendar(1)->Date(), clock().today()))
        showCompactRow(*row);
    clearCompactMonthBoxes();
    pointerToStripButton(SpeedButton7, kPointerRightOfWidthButton);
    monthNumberBox(1)->setFocus();
}

void TCalendar::showCompactRow(const CompactRow& row) {
    for (int k = 1; k <= 3; ++k) {
        MonthCalendar(k)->setDate(row[size_t(k - 1)]);
        setMonthTitle(k, row[size_t(k - 1)]);
    }
}

void TCalendar::applyStripLayout(int width) {
    const StripLayout& layout = kCompactLayouts[size_t(width - 1)];
    setFixedSize(layout.outerWidth - kFrameWidth, layout.outerHeight - kFrameHeight);
    TPanel* strip = toolStripFrame();
    strip->setGeometry(strip->x(), layout.stripTop, layout.stripWidth, strip->height());
    JPanelTexture1->resize(layout.textureWidth, JPanelTexture1->height());
    const std::array<QToolButton*, 10> buttons{
        SpeedButton11, SpeedButton10, SpeedButton9, SpeedButton8, SpeedButton7,
        SpeedButton3,  SpeedButton6,  SpeedButton5, SpeedButton1, SpeedButton2};
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (layout.lefts[i] != kKeepLeft)
            buttons[i]->move(layout.lefts[i], buttons[i]->y());
    }
}

void TCalendar::pointerToStripButton(const QToolButton* button, int dx) {
    const TPanel* strip = toolStripFrame();
    movePointerFromCorner(strip->x() + button->x() + dx, strip->y() + button->y() + kPointerDown);
}

}  // namespace solvane
