// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What assistive technology reads of the program's own controls: a label that shows a value
// says what the value is ("Sunrise 7:07A"), the moon picture gives its phase in words, a
// panel reads as its caption, and what the eye cannot see is not exposed (decorative strips and
// covers, the moon control above the strip). The month control names its table and its day
// cells itself.

class QLabel;
class QString;

namespace solvane {

class TMoon;

// Installs the interfaces; later calls do nothing.
void installAccessibleInterfaces();

// The label is read as its meaning followed by its text, kept current as the text changes.
void exposeAsValue(QLabel* label, const QString& meaning);

// The picture is described by the moon control's phase: "waxing crescent, 23% of the disc
// lit".
void exposeAsMoonPicture(QLabel* picture, TMoon* moon);

}  // namespace solvane
