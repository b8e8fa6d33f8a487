// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What a month calendar shows of a day's events, as values: whoever knows the events answers
// for a date, the control only draws. No answer, or an empty one, leaves the day as it was.

#include <QColor>
#include <QDate>
#include <functional>
#include <vector>

namespace solvane {

struct DayMarks {
    bool holiday = false;        // the day's number is written in the holiday ink
    std::vector<QColor> events;  // the colours of the calendars with other events that day

    bool empty() const { return !holiday && events.empty(); }
};

using DayMarksSource = std::function<DayMarks(const QDate&)>;

}  // namespace solvane
