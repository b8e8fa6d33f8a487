// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "event_words.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace solvane::events {
namespace {

// The context of these texts for translators.
struct EventWords {
    Q_DECLARE_TR_FUNCTIONS(EventWords)
};

QString timeText(const QDateTime& instant) {
    return QLocale().toString(instant.time(), QLocale::ShortFormat);
}

QString eventName(const DayEvent& event) {
    return event.summary.isEmpty() ? EventWords::tr("Untitled event") : event.summary;
}

}  // namespace

QString timeWords(const DayEvent& event) {
    if (event.allDay)
        return EventWords::tr("all day");
    if (event.repeatsWithinDay)
        return EventWords::tr("from %1, repeating within the day").arg(timeText(event.start));
    if (event.start == event.end)
        return timeText(event.start);
    return EventWords::tr("%1 – %2").arg(timeText(event.start), timeText(event.end));
}

QString spokenEvents(const std::vector<DayEvent>& events) {
    QStringList parts;
    for (const DayEvent& event : events)
        parts.append(event.allDay
                         ? eventName(event)
                         : EventWords::tr("%1 at %2").arg(eventName(event), timeText(event.start)));
    return parts.join(QStringLiteral(", "));
}

QStringList eventLines(const std::vector<DayEvent>& events, int maxLines) {
    QStringList lines;
    const int count = int(events.size());
    // A day of a thousand events would make a tooltip taller than the screen.
    const int listed = count > maxLines ? std::max(0, maxLines - 1) : count;
    for (int k = 0; k < listed; ++k) {
        const DayEvent& event = events[size_t(k)];
        lines.append(event.calendarName.isEmpty()
                         ? EventWords::tr("%1: %2").arg(timeWords(event), eventName(event))
                         : EventWords::tr("%1: %2 (%3)")
                               .arg(timeWords(event), eventName(event), event.calendarName));
    }
    if (listed < count)
        lines.append(EventWords::tr("and %n more", nullptr, count - listed));
    return lines;
}

QString holidayName(const DayEvent& event) {
    return event.summary.isEmpty() ? EventWords::tr("Holiday") : event.summary;
}

QString problemWords(const ical::Problem& problem) {
    const QString detail = QString::fromStdString(problem.detail);
    const QString uid = QString::fromStdString(problem.uid);
    switch (problem.kind) {
        case ical::ProblemKind::FileMissing:
            return EventWords::tr("The file does not exist.");
        case ical::ProblemKind::FileNotRegular:
            return EventWords::tr("This is not a regular file (a folder, a pipe or a device).");
        case ical::ProblemKind::FileTooLarge:
            return EventWords::tr("The file is too large to be read.");
        case ical::ProblemKind::FileUnreadable:
            return EventWords::tr("The file could not be read: %1.")
                .arg(qt_error_string(detail.toInt()));
        case ical::ProblemKind::NoCalendar:
            return EventWords::tr("No calendar was found in it.");
        case ical::ProblemKind::Truncated:
            return EventWords::tr("The file ends too early: what came before the end was kept.");
        case ical::ProblemKind::BadValue:
            return EventWords::tr("A value could not be read and was left out: %1").arg(detail);
        case ical::ProblemKind::MissingStart:
            return EventWords::tr("An event without a start was left out (%1).").arg(uid);
        case ical::ProblemKind::UnknownZone:
            return EventWords::tr("The time zone \"%1\" is unknown: its times may be off.")
                .arg(detail);
        case ical::ProblemKind::UnknownLocalZone:
            return EventWords::tr("The local time zone is unknown: UTC is used.");
        case ical::ProblemKind::BadRule:
            return EventWords::tr(
                       "A repeat rule could not be followed: only the first time is shown (%1).")
                .arg(uid);
        case ical::ProblemKind::OccurrenceCap:
            return EventWords::tr(
                       "An event repeats too often: only its first times are shown (%1).")
                .arg(uid);
        case ical::ProblemKind::StepBudget:
            return EventWords::tr("The calendar's repeats took too long: some are missing.");
    }
    return EventWords::tr("Part of the calendar could not be read.");
}

}  // namespace solvane::events
