// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What assistive technology reads of a month calendar: a table named for its month ("December
// 2026") of six weeks of day cells, each named with its full date ("Monday 7 December 2026")
// and saying whether it is today and whether it is the selected day.

class QWidget;

namespace solvane {

class TMonthCalendar;

// Makes the interface known to Qt's accessibility; later calls do nothing.
void installMonthCalendarAccessibility();
// Tells a listening screen reader that the selected day changed.
void notifySelection(TMonthCalendar* calendar);

}  // namespace solvane
