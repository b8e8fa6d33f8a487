// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The strip's keys, the hints that name them, the pressed look of the two switches, and
// Return or Space on a day.

#include "shortcuts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QToolButton>

#include "guard.h"
#include "hints.h"
#include "tcalendar.h"
#include "tjpaneltexture.h"
#include "tmonthcalendar.h"
#include "tpanel.h"

namespace solvane {
namespace {

// Set on a strip button hidden for lying beyond the compact window's edge: out of sight, so
// screen readers do not offer it, while its key still presses it as before.
constexpr const char* kBeyondEdge = "solvaneBeyondEdge";

constexpr StripShortcut kStripShortcuts[] = {
    {"SpeedButton11", Qt::Key_PageUp, QT_TRANSLATE_NOOP("solvane::TCalendar", "Previous year"),
     QT_TRANSLATE_NOOP("solvane::TCalendar", "Previous month")},
    {"SpeedButton9", Qt::Key_PageDown, QT_TRANSLATE_NOOP("solvane::TCalendar", "Next year"),
     QT_TRANSLATE_NOOP("solvane::TCalendar", "Next month")},
    {"SpeedButton10", Qt::Key_Home, QT_TRANSLATE_NOOP("solvane::TCalendar", "Current year"),
     nullptr},
    {"SpeedButton6", Qt::ALT | Qt::Key_Y, QT_TRANSLATE_NOOP("solvane::TCalendar", "Enter a year"),
     nullptr},
    {"SpeedButton8", Qt::ALT | Qt::Key_C, QT_TRANSLATE_NOOP("solvane::TCalendar", "Compact view"),
     QT_TRANSLATE_NOOP("solvane::TCalendar", "Full year")},
    {"SpeedButton7", Qt::ALT | Qt::Key_W, QT_TRANSLATE_NOOP("solvane::TCalendar", "Compact width"),
     nullptr},
    {"SpeedButton5", Qt::ALT | Qt::Key_N,
     QT_TRANSLATE_NOOP("solvane::TCalendar", "Display week number"), nullptr},
    {"SpeedButton1", Qt::ALT | Qt::Key_T, QT_TRANSLATE_NOOP("solvane::TCalendar", "Always on top"),
     nullptr},
    {"SpeedButton2", Qt::ALT | Qt::Key_H, QT_TRANSLATE_NOOP("solvane::TCalendar", "Tray"), nullptr},
    {"SpeedButton4", Qt::CTRL | Qt::Key_Comma,
     QT_TRANSLATE_NOOP("solvane::TCalendar", "Parameters"), nullptr},
    {"SpeedButton3", Qt::CTRL | Qt::Key_Q, QT_TRANSLATE_NOOP("solvane::TCalendar", "Exit"),
     nullptr},
};

}  // namespace

std::span<const StripShortcut> stripShortcuts() {
    return kStripShortcuts;
}

QString hintWithKey(const QString& hint, const QKeySequence& key) {
    return QStringLiteral("%1 (%2)").arg(hint, key.toString(QKeySequence::NativeText));
}

void TCalendar::createShortcuts() {
    // The two switches show whether they are on, on screen and to assistive technology.
    SpeedButton1->setCheckable(true);
    SpeedButton5->setCheckable(true);
    for (const StripShortcut& entry : stripShortcuts()) {
        auto* button = JPanelTexture1->findChild<QToolButton*>(QLatin1String(entry.button),
                                                               Qt::FindDirectChildrenOnly);
        if (!button)
            continue;
        // Not the button's own shortcut: a new caption would replace it by its mnemonic.
        auto* shortcut = new QShortcut(QKeySequence(entry.key), this);
        shortcut->setObjectName(QLatin1String(entry.button) + QLatin1String("Key"));
        connect(shortcut, &QShortcut::activated, button, [button] {
            const bool inView = !button->isHidden() || button->property(kBeyondEdge).toBool();
            if (inView && button->isEnabled())
                button->animateClick();  // pressed for a moment, then clicked
        });
        // Connected after the click handlers, so this runs once they are done.
        connect(button, &QToolButton::clicked, this, [this] { refreshStripStates(); });
    }
    // Print has no strip button: its key opens the preview directly.
    auto* print = new QShortcut(QKeySequence::Print, this);
    print->setObjectName(QStringLiteral("PrintKey"));
    connect(print, &QShortcut::activated, this, [this] { guarded([&] { printView(); }); });
    auto* calendars = new QShortcut(QKeySequence(kCalendarsKey), this);
    calendars->setObjectName(QStringLiteral("CalendarsKey"));
    connect(calendars, &QShortcut::activated, this, [this] { guarded([&] { showCalendars(); }); });
    for (int k = 1; k <= 12; ++k) {
        connect(MonthCalendar(k), &TMonthCalendar::activated, this,
                [this, k] { guarded([&] { MonthCalendarClick(k); }); });
    }
    refreshStripStates();
}

void TCalendar::refreshStripStates() {
    const bool compact = !SpeedButton7->isHidden();
    for (const StripShortcut& entry : stripShortcuts()) {
        auto* button = JPanelTexture1->findChild<QToolButton*>(QLatin1String(entry.button),
                                                               Qt::FindDirectChildrenOnly);
        if (!button)
            continue;
        const char* text = compact && entry.compactHint ? entry.compactHint : entry.hint;
        if (entry.compactHint)
            button->setAccessibleName(tr(text));
        setHint(button, hintWithKey(tr(text), QKeySequence(entry.key)));
    }
    SpeedButton1->setChecked(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    SpeedButton5->setChecked(MonthCalendar(1)->WeekNumbers());
    hideButtonsBeyondEdge();
}

void TCalendar::hideButtonsBeyondEdge() {
    const TPanel* strip = toolStripFrame();
    for (QToolButton* button :
         JPanelTexture1->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        const bool beyond = button->mapTo(strip, QPoint()).x() >= strip->width();
        if (button->property(kBeyondEdge).toBool() && !beyond) {
            button->setProperty(kBeyondEdge, QVariant());
            button->show();
        } else if (!button->isHidden() && beyond) {
            button->setProperty(kBeyondEdge, true);
            button->hide();
        }
    }
}

}  // namespace solvane
