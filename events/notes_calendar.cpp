// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "notes_calendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>
#include <algorithm>

#include "day_index.h"
#include "ics_writer.h"
#include "reader.h"

namespace solvane::events {
namespace {

constexpr qint64 kMaxFileBytes = 16 << 20;  // notes by hand never come near it

QString dateValue(const QDate& day) {
    return day.toString(u"yyyyMMdd");
}

QByteArray eventText(const Note& note) {
    QByteArray text = "BEGIN:VEVENT\r\n";
    text += foldedLine(QStringLiteral("UID:") + escapedText(note.uid));
    text += foldedLine(QStringLiteral("DTSTAMP:") +
                       note.stamp.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'"));
    text += foldedLine(QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(note.day));
    text +=
        foldedLine(QStringLiteral("DTEND;VALUE=DATE:") + dateValue(note.day.addDays(note.days)));
    // An empty SUMMARY is an error to some readers: a note without text has none.
    if (!note.text.isEmpty())
        text += foldedLine(QStringLiteral("SUMMARY:") + escapedText(note.text));
    // A note does not make the day busy for other programs' free-time searches.
    text += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    return text;
}

QByteArray calendarText(const std::vector<Note>& notes) {
    QByteArray text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane//Notes//EN\r\n"
        "CALSCALE:GREGORIAN\r\n";
    // What the file says stays English in every language, as Solvane's other files do.
    text += foldedLine(QStringLiteral("X-WR-CALNAME:Notes"));
    for (const Note& note : notes)
        text += eventText(note);
    text += "END:VCALENDAR\r\n";
    return text;
}

// Readers drop the spaces around a value (libical those at its end): the note is kept as
// they will read it.
QString keptText(const QString& text) {
    return text.trimmed();
}

}  // namespace

NotesCalendar::NotesCalendar(const QString& folder, Clock clock, QObject* parent)
    : QObject(parent), folder_(folder), clock_(std::move(clock)) {}

QString NotesCalendar::filePath() const {
    return QDir(folder_).filePath(fileName());
}

QDateTime NotesCalendar::now() const {
    return (clock_ ? clock_() : QDateTime::currentDateTimeUtc()).toUTC();
}

bool NotesCalendar::load() {
    notes_.clear();
    writable_ = true;
    error_.clear();
    const QFileInfo info(filePath());
    if (!info.exists() && !info.isSymLink())
        return true;
    // Only a regular file is opened: a pipe there would block the read.
    QFile file(filePath());
    if (!info.isFile() || info.size() > kMaxFileBytes || !file.open(QIODevice::ReadOnly)) {
        writable_ = false;
        error_ = tr("The notes file %1 cannot be read; it is left as it is.").arg(filePath());
        return false;
    }
    const QByteArray bytes = file.readAll();
    // Every day a note can be on, read at UTC: all-day events have no zone.
    ical::Request request{{1601, 1, 1}, {10000, 1, 1}, {"", 0}, {}};
    const ical::ReadResult result =
        ical::readCalendar(std::string_view(bytes.constData(), bytes.size()), request);
    bool foreign = !result.problems.empty() && !(bytes.trimmed().isEmpty());
    for (const ical::Occurrence& occurrence : result.occurrences) {
        if (occurrence.timing != ical::Timing::AllDay || occurrence.recurring) {
            foreign = true;
            continue;
        }
        const QString uid = QString::fromStdString(occurrence.uid);
        const bool seen = std::any_of(notes_.begin(), notes_.end(),
                                      [&](const Note& note) { return note.uid == uid; });
        if (uid.isEmpty() || seen) {
            foreign = true;
            continue;
        }
        const QDate day = qtDate(occurrence.startDate);
        notes_.push_back({uid, day,
                          int(std::max<qint64>(1, day.daysTo(qtDate(occurrence.endDate)))),
                          QString::fromStdString(occurrence.summary), now()});
    }
    if (foreign || int(notes_.size()) != result.events) {
        writable_ = false;
        error_ = tr("The notes file %1 holds what this program cannot write back; it is left as "
                    "it is.")
                     .arg(filePath());
        return false;
    }
    return true;
}

QString NotesCalendar::add(const QDate& day, const QString& text, int days) {
    std::vector<Note> notes = notes_;
    const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces) + "@solvane";
    notes.push_back({uid, day, std::max(1, days), keptText(text), now()});
    return write(notes) ? uid : QString();
}

bool NotesCalendar::change(const QString& uid, const QDate& day, const QString& text, int days) {
    std::vector<Note> notes = notes_;
    const auto found =
        std::find_if(notes.begin(), notes.end(), [&](const Note& note) { return note.uid == uid; });
    if (found == notes.end())
        return false;
    *found = {uid, day, std::max(1, days), keptText(text), now()};
    return write(notes);
}

bool NotesCalendar::remove(const QString& uid) {
    std::vector<Note> notes = notes_;
    const auto kept = std::remove_if(notes.begin(), notes.end(),
                                     [&](const Note& note) { return note.uid == uid; });
    if (kept == notes.end())
        return false;
    notes.erase(kept, notes.end());
    return write(notes);
}

std::vector<Note> NotesCalendar::notesOn(const QDate& day) const {
    std::vector<Note> found;
    for (const Note& note : notes_)
        if (note.day <= day && day < note.day.addDays(note.days))
            found.push_back(note);
    return found;
}

QByteArray NotesCalendar::bytes() const {
    return calendarText(notes_);
}

bool NotesCalendar::write(const std::vector<Note>& notes) {
    if (!writable_)
        return false;
    if (!QDir().mkpath(folder_)) {
        error_ = tr("The folder %1 cannot be made.").arg(folder_);
        return false;
    }
    QSaveFile file(filePath());
    const QByteArray text = calendarText(notes);
    // Unbuffered: a buffered write is only tried at commit(), and Qt 6.4's commit() then
    // renames a file cut short by a full disk over the old one and reports success. Written
    // directly, a short write shows here and the old file stays.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(text) != text.size() || !file.commit()) {
        error_ = tr("The notes could not be saved to %1: %2").arg(filePath(), file.errorString());
        return false;
    }
    error_.clear();
    notes_ = notes;
    emit changed(text);
    return true;
}

}  // namespace solvane::events
