// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Colours as the preferences file stores them: a signed 32-bit value laid out 0x00BBGGRR
// (red in the low byte); negative values name the desktop's system colours.

#include <QColor>
#include <QtGlobal>

class QWidget;

namespace solvane {

using TColor = qint32;

namespace cl {
constexpr TColor Black = 0;
constexpr TColor Maroon = 128;
constexpr TColor Green = 32768;
constexpr TColor Olive = 32896;
constexpr TColor Navy = 8388608;
constexpr TColor Purple = 8388736;
constexpr TColor Teal = 8421376;
constexpr TColor Gray = 8421504;
constexpr TColor Silver = 12632256;
constexpr TColor Red = 255;
constexpr TColor Lime = 65280;
constexpr TColor Yellow = 65535;
constexpr TColor Blue = 16711680;
constexpr TColor Fuchsia = 16711935;
constexpr TColor Aqua = 16776960;
constexpr TColor White = 16777215;
}  // namespace cl

// Resolves system colours (negative values) through the application palette.
QColor toQColor(TColor colour);
TColor fromQColor(const QColor& colour);

// The colour a control writes its text in (labels, edits, buttons alike). Writing the colour a
// control already has changes nothing and repaints nothing.
void setTextColour(QWidget* widget, TColor colour);

}  // namespace solvane
