// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The user's calendars: the list the Calendars dialog edits and the sources follow. It lives
// in "calendars.json" in a folder it is given, and is written (atomically) whenever a calendar
// is added, removed or changed, or a refresh changes a calendar's state; never otherwise.
//
// A list file that cannot be read leaves the list empty (or with the calendars that could be
// read) and an error to show, and the file stays as it is until the user changes the list; a
// refresh's state is not written to it meanwhile. The first write after such a load moves the
// old file aside (calendars.json.unreadable) so that nothing the user had is lost.

#include <QList>
#include <QObject>
#include <optional>

#include "source.h"

namespace solvane::calendars {

class CalendarList : public QObject {
    Q_OBJECT

public:
    explicit CalendarList(const QString& folder, QObject* parent = nullptr);

    // Reads the list file. A missing file is an empty list without error.
    SourceError load();

    QString filePath() const;
    const QList<CalendarSource>& sources() const { return sources_; }
    // The colour for a calendar about to be added: the first of a palette that no calendar
    // has, so that two never look alike until there are more than eight. None is red, the
    // holidays' ink.
    quint32 unusedColour() const;
    std::optional<CalendarSource> source(const QString& id) const;
    SourceError loadError() const { return loadError_; }
    SourceError saveError() const { return saveError_; }

    // The new calendar's id; the id of the calendar already there for the same file or
    // address; or an empty text when the path is not absolute or the address is not http,
    // https or webcal.
    QString addFile(const QString& path, const QString& name, quint32 rgb);
    QString addUrl(const QString& address, const QString& name, quint32 rgb);

    // Each returns false, changing nothing, for an unknown id.
    bool remove(const QString& id);
    bool rename(const QString& id, const QString& name);
    bool recolour(const QString& id, quint32 rgb);
    bool setShown(const QString& id, bool shown);
    bool setHolidays(const QString& id, bool holidays);
    // How the last read or fetch went: `when` is kept only for a success (an invalid `when`
    // keeps the last one), `error` replaces the last error.
    bool recordRefresh(const QString& id, const QDateTime& when, const SourceError& error);

signals:
    void sourceAdded(const QString& id);
    void sourceRemoved(const QString& id);
    void sourceChanged(const QString& id);  // name, colour, shown or holidays
    void stateChanged(const QString& id);   // last refresh or last error
    void saveFailed(const solvane::calendars::SourceError& error);

private:
    QString add(SourceKind kind, const QString& location, const QString& name, quint32 rgb);
    CalendarSource* find(const QString& id);
    template <typename Field, typename Value>
    bool change(const QString& id, Field CalendarSource::*field, const Value& value);
    bool moveAside();
    void save();

    QString folder_;
    QList<CalendarSource> sources_;
    SourceError loadError_;
    SourceError saveError_;
    bool protectFile_ = false;  // the file on disk was not read: move it aside before writing
};

}  // namespace solvane::calendars
