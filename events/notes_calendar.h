// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The user's notes on days, kept as all-day events in the program's own iCalendar file so
// that every other calendar program can read them. The file is written whole and atomically
// on every change; a file this class could not write back without losing something it holds
// (unreadable, cut short, or with events of other kinds) is left as it is and changes are
// refused.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace solvane::events {

struct Note {
    QString uid;      // kept for the note's life, so that other programs follow it
    QDate day;        // the first day
    int days = 1;     // how many days it covers
    QString text;     // the summary: a short note or the name of an all-day event
    QDateTime stamp;  // its last change, UTC
};

class NotesCalendar : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;  // the present instant

    // The file lives in `folder`, which is made when the first note is written.
    explicit NotesCalendar(const QString& folder, Clock clock = {}, QObject* parent = nullptr);

    static QString fileName() { return QStringLiteral("notes.ics"); }
    QString filePath() const;

    // Reads the file; a missing file is an empty calendar. False when the file cannot be
    // taken over (see error()): the notes read are shown, nothing is written.
    bool load();
    bool writable() const { return writable_; }
    QString error() const { return error_; }

    // Each returns false, and leaves notes and file as they were, when the file cannot be
    // written; `add` then gives an empty uid.
    QString add(const QDate& day, const QString& text, int days = 1);
    bool change(const QString& uid, const QDate& day, const QString& text, int days = 1);
    bool remove(const QString& uid);

    const std::vector<Note>& notes() const { return notes_; }
    std::vector<Note> notesOn(const QDate& day) const;
    // The file's text as it is (or would be) written.
    QByteArray bytes() const;

signals:
    // The notes were written: the new bytes, for the events model.
    void changed(const QByteArray& bytes);

private:
    bool write(const std::vector<Note>& notes);
    QDateTime now() const;

    QString folder_;
    Clock clock_;
    std::vector<Note> notes_;
    bool writable_ = true;
    QString error_;
};

}  // namespace solvane::events
