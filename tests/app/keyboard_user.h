// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A user with a keyboard and no pointer: the program's window shown and active, the
// Parameters dialog opened without blocking, and keys typed into whatever has the focus.

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"

namespace solvane::test {

struct KeyboardUser : AppFixture {
    explicit KeyboardUser(const QStringList& prefs = defaultPrefs())
        : AppFixture(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), prefs) {
        calendar->trayAvailable = [] { return true; };
        calendar->showModally = [](QDialog& dialog) { dialog.open(); };
        calendar->show();
        calendar->activateWindow();
    }

    // Presses one key chord such as "Alt+N" or "PgDown" where the focus is, and waits until
    // the strip button it pressed has come up again.
    void press(const QString& chord) const {
        const QKeyCombination key = QKeySequence::fromString(chord)[0];
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow() ? QApplication::activeWindow() : calendar.get();
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QTRY_VERIFY(!anyStripButtonDown());
    }
    void press(const QStringList& chords) const {
        for (const QString& chord : chords)
            press(chord);
    }

    bool anyStripButtonDown() const {
        const auto buttons = child<QWidget>(*calendar, QStringLiteral("JPanelTexture1"))
                                 ->findChildren<QToolButton*>();
        return std::any_of(buttons.begin(), buttons.end(),
                           [](const QToolButton* button) { return button->isDown(); });
    }

    // Tab until the focus is inside `target`; false when it never gets there.
    bool tabInto(const QWidget* target) const {
        for (int i = 0; i < 60; ++i) {
            const QWidget* focus = QApplication::focusWidget();
            if (focus && (focus == target || target->isAncestorOf(focus)))
                return true;
            QTest::keyClick(focus ? const_cast<QWidget*>(focus) : calendar.get(), Qt::Key_Tab);
        }
        return false;
    }

    // Tab into month k and move its selection from the first to the given day.
    bool selectDay(int k, int day) const {
        if (!tabInto(month(k)))
            return false;
        for (int d = month(k)->Date().day(); d < day; ++d)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        return month(k)->Date().day() == day;
    }
};

}  // namespace solvane::test
