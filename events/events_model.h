// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The user's calendars as facts of days. Each calendar's bytes are read on a worker thread
// for the days in view and filed by local date; the window's thread only swaps finished
// indexes in, so a query never waits for a reading. A calendar is read again when its bytes,
// the days in view or the zone change, and a reading that a newer one has overtaken is
// dropped when it comes back. Showing, hiding, renaming, colouring and marking as holidays
// need no reading.

#include <QDate>
#include <QObject>
#include <QThreadPool>
#include <QTimeZone>
#include <atomic>
#include <memory>
#include <vector>

#include "calendar_input.h"
#include "calendar_values.h"
#include "day_event.h"

namespace solvane::events {

struct DayIndex;

class EventsModel : public QObject {
    Q_OBJECT

public:
    explicit EventsModel(QObject* parent = nullptr);
    ~EventsModel() override;

    // The zone floating times are read in and dates begin in: the system's zone by its IANA
    // name, or, with an empty name, a fixed offset ahead of UTC.
    void setLocalZone(const ical::LocalZone& zone);
    // The days in view, both included: the years shown and the compact row's months.
    void setRange(const QDate& first, const QDate& last);
    // Bounds on each reading; bytes over `fileBytes` are not read.
    void setLimits(const ical::Limits& limits);

    // Adds the calendar or replaces what is known of it; its bytes are read again only when
    // they differ from the last ones given.
    void setCalendar(const CalendarInput& calendar);
    void setCalendarBytes(const QString& id, const QByteArray& bytes);
    void setShown(const QString& id, bool shown);
    void removeCalendar(const QString& id);

    // The day is a holiday: a shown holiday calendar has an event on it. Then its names are
    // never empty.
    bool isHoliday(const QDate& date) const;
    QStringList holidayNames(const QDate& date) const;
    // The day's events of the shown calendars: all day first, then by start, then summary.
    std::vector<DayEvent> events(const QDate& date) const;
    bool hasEvents(const QDate& date) const;
    CalendarState state(const QString& id) const;
    // A reading is under way.
    bool busy() const;

signals:
    // What some days answer has changed (a reading came back, a calendar was shown, hidden,
    // removed, renamed or recoloured): the view repaints and asks again.
    void daysChanged();
    void stateChanged(const QString& id);
    // Every reading asked for has come back.
    void idle();

private:
    struct Calendar;
    Calendar* find(const QString& id);
    const Calendar* find(const QString& id) const;
    void read(Calendar& calendar);
    void readAll();
    void beginReadings();
    void begin(Calendar& calendar);
    void accept(const QString& id, quint64 generation, std::shared_ptr<const DayIndex> index);

    std::vector<std::unique_ptr<Calendar>> calendars_;  // in the order they were added
    ical::LocalZone zone_;
    QTimeZone qtZone_;  // the same, as the answers' instants carry it
    ical::Limits limits_;
    QDate first_, last_;
    int pending_ = 0;
    bool beginPending_ = false;  // beginReadings() is queued
    quint64 readings_ = 0;       // readings asked for so far
    // One worker: readings take turns at libical anyway, and in order they come back in order.
    QThreadPool pool_;
};

}  // namespace solvane::events
