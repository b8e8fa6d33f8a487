// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The keys of the tool strip, one per button, listed here and nowhere else. A key presses its
// button, so it does exactly what a click does, and only while the button is part of the
// view (the year entry key does nothing in compact view, the width key nothing in the full
// year). The README's "Keyboard" section lists the same table.

#include <QKeyCombination>
#include <QString>
#include <span>

class QKeySequence;

namespace solvane {

struct StripShortcut {
    const char* button;  // object name of the strip button
    QKeyCombination key;
    const char* hint;         // the hint, which the key's name follows
    const char* compactHint;  // the hint in compact view, when it differs
};

// Previous and next follow the desktop's paging keys, Home returns to the current year,
// Ctrl+Q and Ctrl+, are the desktop's quit and preferences keys; the others are Alt and a
// letter, the desktop's way of pressing a button, as the strip has no menu whose
// mnemonics they could clash with.
std::span<const StripShortcut> stripShortcuts();

// Keys without a strip button, made beside the strip's. The Calendars dialog's: Alt and L, for
// the list of calendars, as Ctrl+L is the desktop's location key. A note's: N on the selected
// day of the month that has the focus, and nowhere else (Ctrl+N is the desktop's "new").
inline constexpr QKeyCombination kCalendarsKey = Qt::ALT | Qt::Key_L;
inline constexpr QKeyCombination kNoteKey = QKeyCombination(Qt::Key_N);

// "Previous year (PgUp)": the hint followed by the key as the desktop writes it.
QString hintWithKey(const QString& hint, const QKeySequence& key);

}  // namespace solvane
