// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The user's calendars as the year view shows them: the list in the configuration folder,
// its sources kept current (subscriptions cached in the cache folder), the user's own notes
// in the data folder, and one events model that they all feed. The list's changes reach the model
// as they happen; the model reads on its own worker, so nothing here waits on a reading or a
// network.

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

#include "calendar_list.h"
#include "calendar_sources.h"
#include "events_model.h"
#include "notes_calendar.h"

namespace solvane {

class UserCalendars : public QObject {
    Q_OBJECT

public:
    // `configFolder` holds calendars.json; `cacheFolder` the subscriptions' copies;
    // `notesFolder` notes.ics (none: no notes can be written).
    UserCalendars(const QString& configFolder, const QString& cacheFolder,
                  const QString& notesFolder = QString(), QObject* parent = nullptr);

    // The events model's id of the notes, which no calendar of the list can have (the list's
    // ids are UUIDs).
    static QString notesId() { return QStringLiteral("notes"); }

    // Loads the list and hands every calendar's content to the model; subscriptions are
    // fetched afterwards, in the background.
    void start();

    calendars::CalendarList& list() { return list_; }
    events::EventsModel& events() { return events_; }
    const calendars::CalendarSources& sources() const { return sources_; }
    // Null without a notes folder.
    events::NotesCalendar* notes() { return notes_.get(); }

    // "Refresh now": the file read or the subscription fetched again.
    void refresh(const QString& id) { sources_.refresh(id); }

private:
    void added(const QString& id);
    void changed(const QString& id);
    void content(const QString& id, const QByteArray& bytes);
    void showNotes();

    calendars::CalendarList list_;
    events::EventsModel events_;
    calendars::CalendarSources sources_;  // after the list it follows
    std::unique_ptr<events::NotesCalendar> notes_;
    // Each calendar's last bytes: a change of name or colour hands the model the calendar
    // whole, and the same bytes are not read again.
    QHash<QString, QByteArray> bytes_;
};

// "#rrggbb" of a list's 0xRRGGBB.
QString colourName(quint32 rgb);

}  // namespace solvane
