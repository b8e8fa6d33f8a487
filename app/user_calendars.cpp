// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "user_calendars.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <chrono>

namespace solvane {

QString colourName(quint32 rgb) {
    return QStringLiteral("#%1").arg(rgb & 0xffffffu, 6, 16, QLatin1Char('0'));
}

namespace {

constexpr quint32 kNotesColour = 0xc17d11;  // the notes' mark: brown, apart from the list's

// The end-to-end tests' seams, read once at start: an authority of their own to trust besides
// the system's (their server's certificate is made at test time), and a refresh every few
// seconds instead of hours. Neither ever turns off a TLS check.
void applyTestSeams(calendars::SourcesOptions& options) {
    if (const QString file = qEnvironmentVariable("SOLVANE_EXTRA_CA_FILE"); !file.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(file);
        if (extra.isEmpty())
            qWarning("solvane: no certificate in SOLVANE_EXTRA_CA_FILE %s", qPrintable(file));
        // Given outright, the system's authorities are no longer loaded on demand.
        tls.setCaCertificates(QSslConfiguration::systemCaCertificates() + extra);
        options.tls = tls;
    }
    bool number = false;
    const int seconds = qEnvironmentVariableIntValue("SOLVANE_REFRESH_SECONDS", &number);
    if (number && seconds > 0) {
        options.refreshInterval = std::chrono::seconds(seconds);
        options.retryInterval = std::chrono::seconds(seconds);
    }
}

calendars::SourcesOptions sourcesOptions(const QString& cacheFolder) {
    calendars::SourcesOptions options;
    options.cacheFolder = cacheFolder;
    applyTestSeams(options);
    return options;
}

}  // namespace

UserCalendars::UserCalendars(const QString& configFolder, const QString& cacheFolder,
                             const QString& notesFolder, QObject* parent)
    : QObject(parent), list_(configFolder), sources_(list_, sourcesOptions(cacheFolder)) {
    if (!notesFolder.isEmpty()) {
        notes_ = std::make_unique<events::NotesCalendar>(notesFolder);
        // A note written is on its day at once: the model reads the new bytes.
        connect(notes_.get(), &events::NotesCalendar::changed, this,
                [this](const QByteArray& bytes) { events_.setCalendarBytes(notesId(), bytes); });
    }
    connect(&sources_, &calendars::CalendarSources::contentChanged, this, &UserCalendars::content);
    connect(&list_, &calendars::CalendarList::sourceAdded, this, &UserCalendars::added);
    connect(&list_, &calendars::CalendarList::sourceChanged, this, &UserCalendars::changed);
    connect(&list_, &calendars::CalendarList::sourceRemoved, this, [this](const QString& id) {
        bytes_.remove(id);
        events_.removeCalendar(id);
    });
}

void UserCalendars::start() {
    list_.load();
    // The model knows every calendar before the first bytes come, so that each reading
    // already has its name, colour and holiday switch.
    for (const calendars::CalendarSource& source : list_.sources())
        added(source.id);
    showNotes();
    sources_.start();
}

// The notes are one more calendar of the model, under the name their file gives them. A file
// that cannot be taken over is still shown; changes are then refused with its error.
void UserCalendars::showNotes() {
    if (!notes_)
        return;
    notes_->load();
    events::CalendarInput input;
    input.id = notesId();
    input.name = tr("Notes");
    input.colour = colourName(kNotesColour);
    input.bytes = notes_->bytes();
    events_.setCalendar(input);
}

void UserCalendars::added(const QString& id) {
    changed(id);
}

void UserCalendars::content(const QString& id, const QByteArray& bytes) {
    bytes_.insert(id, bytes);
    events_.setCalendarBytes(id, bytes);
}

// Name, colour, shown and holidays need no reading: the bytes given are the model's own.
void UserCalendars::changed(const QString& id) {
    const std::optional<calendars::CalendarSource> source = list_.source(id);
    if (!source)
        return;
    events::CalendarInput input;
    input.id = source->id;
    input.name = source->name;
    input.colour = colourName(source->rgb);
    input.holidays = source->holidays;
    input.shown = source->shown;
    input.bytes = bytes_.value(id);
    events_.setCalendar(input);
}

}  // namespace solvane
