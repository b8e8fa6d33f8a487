// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One calendar's occurrences filed by the local dates they cover, built on the worker thread
// so that the window only swaps a finished index in.

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <map>
#include <memory>
#include <vector>

#include "calendar_values.h"

namespace solvane::events {

struct IndexedOccurrence {
    ical::Timing timing = ical::Timing::Timed;
    QDate firstDay, endDay;     // all day: the first day and the day after the last
    qint64 start = 0, end = 0;  // seconds since the epoch
    QString summary, location;
};

struct DayIndex {
    // Each date's occurrences in the reader's order: all day first, then by start.
    std::map<QDate, std::vector<std::shared_ptr<const IndexedOccurrence>>> days;
    std::vector<ical::Problem> problems;
    QString fileName;  // the calendar's own name, when it gives one
    int events = 0;
    int occurrences = 0;
};

// The zone the reader is given, as Qt knows it; a fixed offset when the name is empty or
// unknown to Qt.
QTimeZone qtZone(const ical::LocalZone& zone);

// The reader's calendar date as Qt's.
QDate qtDate(const ical::Date& date);

// Files `result` under every local date of [first, until) that each occurrence overlaps: an
// all-day one on its days, a timed one on each date from its start's to its end's, except a
// date its end only touches at 00:00; a rule under a day on the day it is marked for.
DayIndex indexByDate(const ical::ReadResult& result, const QTimeZone& zone, const QDate& first,
                     const QDate& until);

}  // namespace solvane::events
