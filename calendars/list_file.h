// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The list of calendars as the bytes of its file: a JSON object with a format version and one
// object per calendar. Reading is tolerant of what a person or another program may have done
// to the file: an entry that cannot be understood is left out and counted, and a file that is
// not such a list at all reads as no calendars with an error saying why.

#include <QByteArray>
#include <QList>

#include "source.h"

namespace solvane::calendars {

constexpr int kListFormat = 1;
constexpr int kMaxCalendars = 1000;           // more is a hostile or broken file, not a user's list
constexpr qint64 kMaxListFileSize = 4 << 20;  // bytes; a full list takes well under 1 MB

struct ListRead {
    QList<CalendarSource> sources;
    SourceError error;  // Corrupt when the file is not a list, or when entries were left out
    int skipped = 0;    // entries left out
};

ListRead decodeList(const QByteArray& bytes);
QByteArray encodeList(const QList<CalendarSource>& sources);

}  // namespace solvane::calendars
