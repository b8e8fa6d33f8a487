// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One calendar of the user's list, as a value: where it comes from, how it is shown, and how
// its last refresh went. Errors are typed so that the window can word them (and translation
// can); the detail is the server's or the system's own text, shown as it came.

#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace solvane::calendars {

enum class SourceKind { File, Url };

struct SourceError {
    enum class Kind {
        None,
        NotFound,          // no file at the path
        DanglingLink,      // a symbolic link whose target is missing
        Directory,         // the path names a folder
        NotRegularFile,    // a FIFO, device or socket: never opened for reading
        TooLarge,          // over the size cap (file, download or list file)
        Unreadable,        // the system refused to open or read it
        BadUrl,            // not an http, https or webcal address
        Network,           // no connection: refused, unreachable, name not found, closed
        Tls,               // the certificate or the TLS handshake was refused
        Http,              // the server answered with an error status
        NotCalendar,       // the server's body is no calendar (an empty body, a login page)
        Timeout,           // the whole transfer took longer than allowed
        Stalled,           // no byte arrived for longer than allowed
        TooManyRedirects,  // more redirects than allowed
        RedirectLoop,      // a redirect led back to an address already visited
        InsecureRedirect,  // an https address redirected to plain http
        Corrupt,           // the list file is not a list of calendars
        Unwritable,        // the list file could not be written
    };

    Kind kind = Kind::None;
    QString detail;  // the server's or system's text, or what was found instead

    bool isError() const { return kind != Kind::None; }
    friend bool operator==(const SourceError&, const SourceError&) = default;
};

struct CalendarSource {
    QString id;  // stable across runs; the list hands it out
    SourceKind kind = SourceKind::File;
    QString location;  // an absolute path, or the address as the user gave it
    QString name;
    quint32 rgb = 0x3465a4;  // 0xRRGGBB
    bool shown = true;
    bool holidays = false;
    QDateTime lastRefresh;  // UTC; invalid when never read or fetched
    SourceError lastError;

    friend bool operator==(const CalendarSource&, const CalendarSource&) = default;
};

// The stable names of the kinds, as the list file stores them ("not-found", "tls", ...).
QString errorKindName(SourceError::Kind kind);
SourceError::Kind errorKindFromName(const QString& name);  // Kind::None for an unknown name

}  // namespace solvane::calendars
