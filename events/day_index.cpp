// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "day_index.h"

#include <QDateTime>
#include <algorithm>

namespace solvane::events {
namespace {

// The local dates [from, to) an occurrence covers, before clipping to the range.
std::pair<QDate, QDate> coveredDays(const ical::Occurrence& occurrence, const QTimeZone& zone) {
    const QDate start = qtDate(occurrence.startDate);
    if (occurrence.timing == ical::Timing::AllDay)
        return {start, std::max(qtDate(occurrence.endDate), start.addDays(1))};
    if (occurrence.timing == ical::Timing::RepeatsWithinDay)
        return {start, start.addDays(1)};
    const QDateTime end = QDateTime::fromSecsSinceEpoch(occurrence.end, zone);
    QDate last = end.date();
    // An end at midnight closes the day before: the new day has none of it. An instant event
    // at midnight still belongs to its own day.
    if (end.time() == QTime(0, 0) && occurrence.end > occurrence.start)
        last = last.addDays(-1);
    return {start, std::max(last, start).addDays(1)};
}

}  // namespace

QDate qtDate(const ical::Date& date) {
    return QDate(date.year, date.month, date.day);
}

QTimeZone qtZone(const ical::LocalZone& zone) {
    if (!zone.ianaName.empty()) {
        QTimeZone named(QByteArray::fromStdString(zone.ianaName));
        if (named.isValid())
            return named;
    }
    return QTimeZone(zone.utcOffsetSeconds);
}

DayIndex indexByDate(const ical::ReadResult& result, const QTimeZone& zone, const QDate& first,
                     const QDate& until) {
    DayIndex index;
    index.problems = result.problems;
    index.events = result.events;
    if (!result.calendars.empty())
        index.fileName = QString::fromStdString(result.calendars.front().name);
    for (const ical::Occurrence& occurrence : result.occurrences) {
        auto [from, to] = coveredDays(occurrence, zone);
        // A span of centuries costs no more than the days in view.
        from = std::max(from, first);
        to = std::min(to, until);
        if (!from.isValid() || !to.isValid() || from >= to)
            continue;
        auto stored = std::make_shared<IndexedOccurrence>();
        stored->timing = occurrence.timing;
        stored->firstDay = qtDate(occurrence.startDate);
        stored->endDay = qtDate(occurrence.endDate);
        stored->start = occurrence.start;
        stored->end = occurrence.end;
        stored->summary = QString::fromStdString(occurrence.summary);
        stored->location = QString::fromStdString(occurrence.location);
        ++index.occurrences;
        for (QDate day = from; day < to; day = day.addDays(1))
            index.days[day].push_back(stored);
    }
    return index;
}

}  // namespace solvane::events
