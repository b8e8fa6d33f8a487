// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "calendar_state_text.h"

#include <QLocale>

namespace solvane {

using Kind = calendars::SourceError::Kind;

namespace {

QString kindText(Kind kind) {
    switch (kind) {
        case Kind::None:
            return {};
        case Kind::NotFound:
            return CalendarStateText::tr("The file is not there.");
        case Kind::DanglingLink:
            return CalendarStateText::tr("The link leads to a file that is not there.");
        case Kind::Directory:
            return CalendarStateText::tr("This is a folder, not a calendar file.");
        case Kind::NotRegularFile:
            return CalendarStateText::tr(
                "This is not a regular file (a pipe or a device); it "
                "is not read.");
        case Kind::TooLarge:
            return CalendarStateText::tr("The calendar is too large to be read.");
        case Kind::Unreadable:
            return CalendarStateText::tr("The file cannot be read.");
        case Kind::BadUrl:
            return CalendarStateText::tr("The address is not an http, https or webcal address.");
        case Kind::Network:
            return CalendarStateText::tr("The server cannot be reached.");
        case Kind::Tls:
            return CalendarStateText::tr(
                "The server's certificate was refused; nothing was "
                "fetched.");
        case Kind::Http:
            return CalendarStateText::tr("The server answered with an error.");
        case Kind::NotCalendar:
            return CalendarStateText::tr("The server sent something that is not a calendar.");
        case Kind::Timeout:
            return CalendarStateText::tr("The server took too long.");
        case Kind::Stalled:
            return CalendarStateText::tr("The server stopped sending.");
        case Kind::TooManyRedirects:
            return CalendarStateText::tr("The server redirected too many times.");
        case Kind::RedirectLoop:
            return CalendarStateText::tr("The server's redirects lead in a circle.");
        case Kind::InsecureRedirect:
            return CalendarStateText::tr("The https address redirected to plain http; refused.");
        case Kind::Corrupt:
            return CalendarStateText::tr("The list of calendars cannot be read.");
        case Kind::Unwritable:
            return CalendarStateText::tr("The list of calendars cannot be saved.");
    }
    return {};
}

}  // namespace

QString CalendarStateText::error(const calendars::SourceError& error) {
    const QString text = kindText(error.kind);
    if (text.isEmpty() || error.detail.isEmpty())
        return text;
    return tr("%1 (%2)").arg(text, error.detail);
}

QString CalendarStateText::summary(const calendars::CalendarSource& source,
                                   const events::CalendarState& state, bool fetching) {
    if (source.lastError.isError())
        return error(source.lastError);
    if (fetching)
        return tr("Fetching...");
    if (state.reading && !state.read)
        return tr("Reading...");
    if (!state.read)
        return tr("Not read yet");
    // Both English forms in the source, so that no translation is needed for English.
    const QString events =
        state.events == 1 ? tr("1 event read") : tr("%n events read", nullptr, state.events);
    if (!source.lastRefresh.isValid())
        return events;
    const QString when = QLocale().toString(source.lastRefresh.toLocalTime(), QLocale::ShortFormat);
    return tr("%1, last refreshed %2").arg(events, when);
}

QString CalendarStateText::details(const calendars::CalendarSource& source,
                                   const events::CalendarState& state, bool fetching) {
    QStringList lines{summary(source, state, fetching)};
    // A subscription that failed keeps its last copy in force: what it shows is said too.
    if (source.lastError.isError() && state.read) {
        calendars::CalendarSource kept = source;
        kept.lastError = {};
        lines << tr("Shown meanwhile: %1").arg(summary(kept, state, false));
    }
    lines += state.problems;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace solvane
