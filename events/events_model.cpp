// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "events_model.h"

#include <algorithm>

#include "day_index.h"
#include "event_words.h"
#include "reader.h"

namespace solvane::events {

struct EventsModel::Calendar {
    CalendarInput input;
    std::shared_ptr<const DayIndex> index;
    // The number of its latest reading; a reading that finds another number here is stale.
    // Numbers are never reused, not even by a calendar removed and added again.
    std::shared_ptr<std::atomic<quint64>> generation = std::make_shared<std::atomic<quint64>>(0);
    bool reading = false;
    bool queued = false;  // a reading is asked for and begins at the next turn
};

namespace {

ical::Date toIcal(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

bool before(const DayEvent& a, const DayEvent& b) {
    if (a.allDay != b.allDay)
        return a.allDay;
    if (a.allDay && a.firstDay != b.firstDay)
        return a.firstDay < b.firstDay;
    if (!a.allDay && a.start != b.start)
        return a.start < b.start;
    return a.summary.localeAwareCompare(b.summary) < 0;
}

}  // namespace

EventsModel::EventsModel(QObject* parent) : QObject(parent), qtZone_(qtZone(zone_)) {
    pool_.setMaxThreadCount(1);
}

EventsModel::~EventsModel() {
    // Readings not begun are dropped; the one under way is bounded by the reader's limits.
    pool_.clear();
    pool_.waitForDone();
}

void EventsModel::setLocalZone(const ical::LocalZone& zone) {
    if (zone.ianaName == zone_.ianaName && zone.utcOffsetSeconds == zone_.utcOffsetSeconds)
        return;
    zone_ = zone;
    qtZone_ = qtZone(zone);
    readAll();
}

void EventsModel::setRange(const QDate& first, const QDate& last) {
    if (first == first_ && last == last_)
        return;
    first_ = first;
    last_ = last;
    readAll();
}

void EventsModel::setLimits(const ical::Limits& limits) {
    limits_ = limits;
    readAll();
}

void EventsModel::setCalendar(const CalendarInput& input) {
    Calendar* calendar = find(input.id);
    if (!calendar) {
        calendars_.push_back(std::make_unique<Calendar>());
        calendar = calendars_.back().get();
        calendar->input = input;
        read(*calendar);
        return;
    }
    const bool newBytes = calendar->input.bytes != input.bytes;
    calendar->input = input;
    if (newBytes)
        read(*calendar);
    else
        emit daysChanged();
}

void EventsModel::setCalendarBytes(const QString& id, const QByteArray& bytes) {
    if (Calendar* calendar = find(id); calendar && calendar->input.bytes != bytes) {
        calendar->input.bytes = bytes;
        read(*calendar);
    }
}

void EventsModel::setShown(const QString& id, bool shown) {
    if (Calendar* calendar = find(id); calendar && calendar->input.shown != shown) {
        calendar->input.shown = shown;
        emit daysChanged();
    }
}

void EventsModel::removeCalendar(const QString& id) {
    const auto found = std::find_if(calendars_.begin(), calendars_.end(),
                                    [&](const auto& calendar) { return calendar->input.id == id; });
    if (found == calendars_.end())
        return;
    // Its reading may still come back: the new number makes it stale.
    (*found)->generation->store(++readings_);
    if ((*found)->reading)
        --pending_;
    calendars_.erase(found);
    emit daysChanged();
    emit stateChanged(id);
    if (pending_ == 0)
        emit idle();
}

EventsModel::Calendar* EventsModel::find(const QString& id) {
    for (const auto& calendar : calendars_)
        if (calendar->input.id == id)
            return calendar.get();
    return nullptr;
}

const EventsModel::Calendar* EventsModel::find(const QString& id) const {
    return const_cast<EventsModel*>(this)->find(id);
}

void EventsModel::readAll() {
    for (const auto& calendar : calendars_)
        read(*calendar);
}

// The reading begins at the next turn of the event loop, with what is known by then: at start
// the calendars, the zone and the days in view come one after the other, and a reading begun
// at the first of them would keep the one worker busy with days nobody looks at.
void EventsModel::read(Calendar& calendar) {
    calendar.generation->store(++readings_);
    if (!calendar.reading) {
        calendar.reading = true;
        ++pending_;
    }
    calendar.queued = true;
    emit stateChanged(calendar.input.id);
    if (beginPending_)
        return;
    beginPending_ = true;
    QMetaObject::invokeMethod(this, &EventsModel::beginReadings, Qt::QueuedConnection);
}

void EventsModel::beginReadings() {
    beginPending_ = false;
    // Looked for afresh each time: a slot of accept() may add or remove calendars.
    for (;;) {
        const auto queued = std::find_if(calendars_.begin(), calendars_.end(),
                                         [](const auto& calendar) { return calendar->queued; });
        if (queued == calendars_.end())
            return;
        (*queued)->queued = false;
        begin(**queued);
    }
}

void EventsModel::begin(Calendar& calendar) {
    const quint64 generation = calendar.generation->load();
    if (!first_.isValid() || !last_.isValid() || last_ < first_) {
        // No days in view: nothing to read, and nothing on any day.
        accept(calendar.input.id, generation, std::make_shared<DayIndex>());
        return;
    }
    ical::Request request{toIcal(first_), toIcal(last_.addDays(1)), zone_, limits_};
    const QDate first = first_;
    const QDate until = last_.addDays(1);
    const std::shared_ptr<std::atomic<quint64>> current = calendar.generation;
    const QByteArray bytes = calendar.input.bytes;  // shared, not copied
    const QString id = calendar.input.id;
    pool_.start([this, request, first, until, current, bytes, id, generation] {
        // Overtaken before it began: the newer reading is queued behind it.
        if (current->load() != generation)
            return;
        ical::ReadResult result;
        if (std::size_t(bytes.size()) > request.limits.fileBytes)
            result.problems.push_back({ical::ProblemKind::FileTooLarge, {}, {}});
        else
            result = ical::readCalendar(std::string_view(bytes.constData(), bytes.size()), request);
        auto index = std::make_shared<const DayIndex>(
            indexByDate(result, qtZone(request.local), first, until));
        QMetaObject::invokeMethod(
            this, [this, id, generation, index] { accept(id, generation, index); },
            Qt::QueuedConnection);
    });
}

void EventsModel::accept(const QString& id, quint64 generation,
                         std::shared_ptr<const DayIndex> index) {
    Calendar* calendar = find(id);
    if (!calendar || calendar->generation->load() != generation)
        return;  // stale: a newer reading of this calendar is on its way
    calendar->index = std::move(index);
    calendar->reading = false;
    --pending_;
    emit daysChanged();
    emit stateChanged(id);
    if (pending_ == 0)
        emit idle();
}

bool EventsModel::isHoliday(const QDate& date) const {
    for (const auto& calendar : calendars_)
        if (calendar->input.shown && calendar->input.holidays && calendar->index &&
            calendar->index->days.count(date))
            return true;
    return false;
}

QStringList EventsModel::holidayNames(const QDate& date) const {
    QStringList names;
    for (const DayEvent& event : events(date))
        if (event.holiday && !names.contains(holidayName(event)))
            names.append(holidayName(event));
    return names;
}

bool EventsModel::hasEvents(const QDate& date) const {
    for (const auto& calendar : calendars_)
        if (calendar->input.shown && calendar->index && calendar->index->days.count(date))
            return true;
    return false;
}

std::vector<DayEvent> EventsModel::events(const QDate& date) const {
    const QTimeZone& zone = qtZone_;
    std::vector<DayEvent> found;
    for (const auto& calendar : calendars_) {
        if (!calendar->input.shown || !calendar->index)
            continue;
        const auto day = calendar->index->days.find(date);
        if (day == calendar->index->days.end())
            continue;
        const CalendarInput& input = calendar->input;
        for (const auto& occurrence : day->second) {
            DayEvent event;
            event.allDay = occurrence->timing == ical::Timing::AllDay;
            event.repeatsWithinDay = occurrence->timing == ical::Timing::RepeatsWithinDay;
            event.firstDay = occurrence->firstDay;
            event.endDay = occurrence->endDay;
            event.start = QDateTime::fromSecsSinceEpoch(occurrence->start, zone);
            event.end = QDateTime::fromSecsSinceEpoch(occurrence->end, zone);
            event.summary = occurrence->summary;
            event.location = occurrence->location;
            event.calendarId = input.id;
            event.calendarName = input.name.isEmpty() ? calendar->index->fileName : input.name;
            event.colour = input.colour;
            event.holiday = input.holidays;
            found.push_back(std::move(event));
        }
    }
    std::stable_sort(found.begin(), found.end(), before);
    return found;
}

CalendarState EventsModel::state(const QString& id) const {
    CalendarState state;
    const Calendar* calendar = find(id);
    if (!calendar)
        return state;
    state.known = true;
    state.reading = calendar->reading;
    if (calendar->index) {
        state.read = true;
        state.events = calendar->index->events;
        state.occurrences = calendar->index->occurrences;
        for (const ical::Problem& problem : calendar->index->problems)
            state.problems.append(problemWords(problem));
    }
    return state;
}

bool EventsModel::busy() const {
    return pending_ > 0;
}

}  // namespace solvane::events
