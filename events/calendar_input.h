// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// One calendar as the events model takes it: who it is, how it is shown, and its bytes. Where
// the bytes come from (a file, a subscription's cache, the user's notes) is not its concern.

#include <QByteArray>
#include <QString>

namespace solvane::events {

struct CalendarInput {
    QString id;             // stable for the calendar's life; the key of every other call
    QString name;           // shown with its events; the file's own name when empty
    QString colour;         // "#rrggbb", the mark of its events
    bool holidays = false;  // its days are holidays (while shown)
    bool shown = true;
    QByteArray bytes;
};

}  // namespace solvane::events
