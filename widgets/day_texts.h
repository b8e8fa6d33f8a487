// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What a month calendar says of a day's events, as texts already worded: whoever knows the
// events answers for a date, the control only shows them (in the tooltip, in the popup after
// a click or a key, and to assistive technology). No answer, or an empty one, leaves the day
// as it was.

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

namespace solvane {

struct DayTexts {
    QStringList
        lines;  // one line per event as the tooltip shows it: "all day: Christmas Day (Holidays)"
    QString spoken;  // the events as the day's accessible name adds them: "Christmas Day"

    bool empty() const { return lines.isEmpty(); }
};

using DayTextsSource = std::function<DayTexts(const QDate&)>;

}  // namespace solvane
