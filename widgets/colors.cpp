// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace solvane {
namespace {

// System colour indexes as the desktop numbers them (the low byte of a negative value).
QColor systemColour(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
        case 2:  // active caption
            return palette.color(QPalette::Active, QPalette::Highlight);
        case 3:  // inactive caption
            return palette.color(QPalette::Inactive, QPalette::Highlight);
        case 5:  // window
            return palette.color(QPalette::Base);
        case 6:  // window frame
            return palette.color(QPalette::Shadow);
        case 8:  // window text
            return palette.color(QPalette::Text);
        case 9:  // caption text
            return palette.color(QPalette::HighlightedText);
        case 15:  // button face
            return palette.color(QPalette::Button);
        case 17:  // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 19:  // inactive caption text: a light grey on the desktop's classic scheme, and
                  // the month calendars' trailing days must stay readable on white
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor toQColor(TColor colour) {
    if (colour < 0)
        return systemColour(colour & 0xFF);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

TColor fromQColor(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

void setTextColour(QWidget* widget, TColor colour) {
    const QColor text = toQColor(colour);
    QPalette palette = widget->palette();
    const QPalette::ColorRole roles[] = {QPalette::WindowText, QPalette::Text,
                                         QPalette::ButtonText};
    bool changed = false;
    for (QPalette::ColorRole role : roles) {
        if (palette.color(role) != text) {
            palette.setColor(role, text);
            changed = true;
        }
    }
    if (changed)
        widget->setPalette(palette);
}

}  // namespace solvane
