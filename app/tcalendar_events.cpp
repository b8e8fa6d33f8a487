// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The year view and the user's calendars: which days the events model reads, in which zone.

#include <QTimer>
#include <algorithm>

#include "calendars_dialog.h"
#include "event_words.h"
#include "events_model.h"
#include "events_zone.h"
#include "guard.h"
#include "holiday_ink.h"
#include "platform.h"
#include "settings.h"
#include "tcalendar.h"
#include "thome.h"
#include "timing_probe.h"
#include "tmonthcalendar.h"
#include "user_calendars.h"

namespace solvane {
namespace {

// The holiday ink for a holiday, and the colour of each calendar with other events.
DayMarksSource dayMarks(const events::EventsModel& model) {
    return [&model](const QDate& date) {
        DayMarks marks;
        if (!model.hasEvents(date))
            return marks;
        for (const events::DayEvent& event : model.events(date)) {
            if (event.holiday) {
                marks.holiday = true;
                continue;
            }
            const QColor colour(event.colour);
            if (colour.isValid() &&
                std::find(marks.events.begin(), marks.events.end(), colour) == marks.events.end())
                marks.events.push_back(colour);
        }
        return marks;
    };
}

// The events in words for the tooltip, the popup and assistive technology.
DayTextsSource dayTexts(const events::EventsModel& model) {
    return [&model](const QDate& date) {
        DayTexts texts;
        if (!model.hasEvents(date))
            return texts;
        const std::vector<events::DayEvent> day = model.events(date);
        texts.lines = events::eventLines(day);
        texts.spoken = events::spokenEvents(day);
        return texts;
    };
}

// Some day of the months in view has an event: its page draws a mark.
bool anyMarks(const events::EventsModel& model, const std::vector<QWidget*>& pages) {
    for (const QWidget* widget : pages) {
        const auto* page = static_cast<const TMonthCalendar*>(widget);
        const QDate month(page->yearShown(), page->monthShown(), 1);
        for (QDate day = month; day.isValid() && day.month() == month.month(); day = day.addDays(1))
            if (model.hasEvents(day))
                return true;
    }
    return false;
}

}  // namespace

void TCalendar::setEvents(events::EventsModel* events) {
    if (events_)
        disconnect(events_, nullptr, this, nullptr);
    events_ = events;
    dayFacts_.setEvents(events);
    for (int k = 1; k <= 12; ++k) {
        MonthCalendar(k)->setDayMarks(events_ ? dayMarks(*events_) : DayMarksSource(),
                                      holidayInk());
        MonthCalendar(k)->setDayTexts(events_ ? dayTexts(*events_) : DayTextsSource());
    }
    if (!events_)
        return;
    if (!eventsWired_) {
        // Once: the pages and the settings outlive any model given.
        eventsWired_ = true;
        for (int k = 1; k <= 12; ++k) {
            connect(MonthCalendar(k), &TMonthCalendar::currentPageChanged, this,
                    guard(this, &TCalendar::scheduleEventsRange));
        }
        if (settings_) {
            connect(settings_, &prefs::Settings::loaded, this,
                    guard(this, &TCalendar::scheduleEventsRange));
        }
        if (lcTiming().isInfoEnabled()) {
            std::vector<QWidget*> pages;
            for (int k = 1; k <= 12; ++k)
                pages.push_back(MonthCalendar(k));
            auto* probe = new MarksTiming(
                pages, [events = events_, pages] { return anyMarks(*events, pages); }, this);
            connect(events_, &events::EventsModel::daysChanged, probe, &MarksTiming::daysChanged);
            connect(events_, &events::EventsModel::idle, probe, &MarksTiming::idle);
        }
    }
    // Repainted only when the answers change: an idle model costs nothing.
    connect(events_, &events::EventsModel::daysChanged, this, [this] {
        for (int k = 1; k <= 12; ++k)
            MonthCalendar(k)->marksChanged();
    });
    tellEventsRange();
}

void TCalendar::setCalendars(UserCalendars* calendars) {
    calendarsDialog_.reset();
    calendars_ = calendars;
    setEvents(calendars ? &calendars->events() : nullptr);
}

CalendarsDialog* TCalendar::calendarsDialog() {
    if (!calendarsDialog_ && calendars_)
        calendarsDialog_ = std::make_unique<CalendarsDialog>(*calendars_);
    return calendarsDialog_.get();
}

// Modal, as the Parameters dialog is: opened from there, it comes over it.
void TCalendar::showCalendars() {
    CalendarsDialog* dialog = calendarsDialog();
    if (!dialog) {
        boxes().message(
            tr("Without a home folder Solvane has nowhere to keep a list of "
               "calendars."));
        return;
    }
    if (dialog->isVisible()) {
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    showModally(*dialog);
}

// A step of the year moves twelve pages: the model hears of the new days once, not twelve
// times (each would start a reading that the next overtakes).
void TCalendar::scheduleEventsRange() {
    if (eventsRangePending_)
        return;
    eventsRangePending_ = true;
    QTimer::singleShot(0, this, guard(this, &TCalendar::tellEventsRange));
}

// Every calendar's month, hidden ones too: in the compact view they keep the year the full
// view shows, so both views are read at once and switching costs no reading.
void TCalendar::tellEventsRange() {
    eventsRangePending_ = false;
    if (!events_)
        return;
    QDate first, last;
    for (int k = 1; k <= 12; ++k) {
        const TMonthCalendar* calendar = MonthCalendar(k);
        const QDate month(calendar->yearShown(), calendar->monthShown(), 1);
        if (!month.isValid())
            continue;
        first = first.isValid() ? std::min(first, month) : month;
        last = last.isValid() ? std::max(last, month) : month;
    }
    if (!first.isValid())
        return;
    events_->setLocalZone(eventsZone(preferences(), clock().now().toSecsSinceEpoch()));
    qCInfo(lcTiming, "days %s to %s", qPrintable(first.toString(Qt::ISODate)),
           qPrintable(last.addMonths(1).addDays(-1).toString(Qt::ISODate)));
    events_->setRange(first, last.addMonths(1).addDays(-1));
}

}  // namespace solvane
