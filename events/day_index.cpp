// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "day_index.h"

#include <QDateTime>
#include <algorithm>
#include <utility>
#include <vector>

namespace solvane::events {
namespace {

constexpr qint64 kDaySeconds = 86'400;
constexpr qint64 kUnixEpochJulianDay = 2'440'588;

qint64 utcSeconds(const QDate& date) {
    return (date.toJulianDay() - kUnixEpochJulianDay) * kDaySeconds;
}

// Local dates of instants in one zone, for the days of one index. A QDateTime in a zone for
// each of tens of thousands of ends cost a sixth of a large calendar's reading; the zone's
// offsets over the days in view, two days either side, are looked up once, and an instant
// outside them, whose exact date the clipping to the range makes of no account, is still
// asked of the zone.
class LocalDates {
public:
    LocalDates(const QTimeZone& zone, const QDate& first, const QDate& until) : zone_(zone) {
        if (!first.isValid() || !until.isValid() || until < first)
            return;  // every instant is asked of the zone
        from_ = utcSeconds(first.addDays(-2));
        to_ = utcSeconds(until.addDays(2));
        const QDateTime from = QDateTime::fromSecsSinceEpoch(from_, Qt::UTC);
        offsets_.push_back({from_, zone.offsetFromUtc(from)});
        if (!zone.hasTransitions())
            return;
        for (const QTimeZone::OffsetData& change :
             zone.transitions(from, QDateTime::fromSecsSinceEpoch(to_, Qt::UTC))) {
            const qint64 at = change.atUtc.toSecsSinceEpoch();
            if (at > from_)
                offsets_.push_back({at, change.offsetFromUtc});
        }
    }

    // The local date of the instant, and whether it is that date's 00:00.
    std::pair<QDate, bool> at(qint64 seconds) const {
        if (seconds < from_ || seconds >= to_) {
            const QDateTime local = QDateTime::fromSecsSinceEpoch(seconds, zone_);
            return {local.date(), local.time() == QTime(0, 0)};
        }
        const auto next =
            std::upper_bound(offsets_.begin(), offsets_.end(), seconds,
                             [](qint64 instant, const std::pair<qint64, int>& change) {
                                 return instant < change.first;
                             });
        const qint64 local = seconds + std::prev(next)->second;
        // Floor division: instants before 1970 have negative seconds.
        const qint64 day = local / kDaySeconds - (local % kDaySeconds < 0 ? 1 : 0);
        return {QDate::fromJulianDay(kUnixEpochJulianDay + day), local - day * kDaySeconds == 0};
    }

private:
    const QTimeZone& zone_;
    qint64 from_ = 0, to_ = 0;
    std::vector<std::pair<qint64, int>> offsets_;  // from this instant on, this offset
};

// The local dates [from, to) an occurrence covers, before clipping to the range.
std::pair<QDate, QDate> coveredDays(const ical::Occurrence& occurrence, const LocalDates& dates) {
    const QDate start = qtDate(occurrence.startDate);
    if (occurrence.timing == ical::Timing::AllDay)
        return {start, std::max(qtDate(occurrence.endDate), start.addDays(1))};
    if (occurrence.timing == ical::Timing::RepeatsWithinDay)
        return {start, start.addDays(1)};
    auto [last, midnight] = dates.at(occurrence.end);
    // An end at midnight closes the day before: the new day has none of it. An instant event
    // at midnight still belongs to its own day.
    if (midnight && occurrence.end > occurrence.start)
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
    const LocalDates dates(zone, first, until);
    for (const ical::Occurrence& occurrence : result.occurrences) {
        auto [from, to] = coveredDays(occurrence, dates);
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
