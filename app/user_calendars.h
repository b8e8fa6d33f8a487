// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The user's calendars as the year view shows them: the list in the configuration folder,
// its sources kept current (subscriptions cached in the cache folder) and one events model
// that both feed. The list's changes reach the model as they happen; the model reads on its
// own worker, so nothing here waits on a reading or a network.

#include <QHash>
#include <QObject>
#include <QString>

#include "calendar_list.h"
#include "calendar_sources.h"
#include "events_model.h"

namespace solvane {

class UserCalendars : public QObject {
    Q_OBJECT

public:
    // `configFolder` holds calendars.json; `cacheFolder` the subscriptions' copies.
    UserCalendars(const QString& configFolder, const QString& cacheFolder,
                  QObject* parent = nullptr);

    // Loads the list and hands every calendar's content to the model; subscriptions are
    // fetched afterwards, in the background.
    void start();

    calendars::CalendarList& list() { return list_; }
    events::EventsModel& events() { return events_; }

private:
    void added(const QString& id);
    void changed(const QString& id);
    void content(const QString& id, const QByteArray& bytes);

    calendars::CalendarList list_;
    events::EventsModel events_;
    calendars::CalendarSources sources_;  // after the list it follows
    // Each calendar's last bytes: a change of name or colour hands the model the calendar
    // whole, and the same bytes are not read again.
    QHash<QString, QByteArray> bytes_;
};

// "#rrggbb" of a list's 0xRRGGBB.
QString colourName(quint32 rgb);

}  // namespace solvane
