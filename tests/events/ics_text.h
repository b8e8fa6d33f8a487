// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Calendars for the tests, written as producers write them: "|" ends a line.

#include <QByteArray>
#include <QString>

namespace solvane::events::test {

inline QByteArray calendar(const QString& events, const QString& name = {}) {
    QString text = "BEGIN:VCALENDAR|VERSION:2.0|PRODID:-//Test//EN|";
    if (!name.isEmpty())
        text += "X-WR-CALNAME:" + name + "|";
    text += events + "END:VCALENDAR|";
    return text.replace('|', "\r\n").toUtf8();
}

inline QString event(const QString& uid, const QString& start, const QString& end,
                     const QString& summary, const QString& extra = {}) {
    return "BEGIN:VEVENT|UID:" + uid + "|DTSTAMP:20260101T000000Z|DTSTART" + start + "|DTEND" +
           end + "|SUMMARY:" + summary + "|" + extra + "END:VEVENT|";
}

}  // namespace solvane::events::test
