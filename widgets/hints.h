// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Hints as the year view uses them: every control has a hint text and a ShowHint switch,
// and the tooltip shows the text only while the switch is on. The text is also the
// control's accessible description, so a screen reader has it whatever the switch says.

#include <QString>

class QWidget;

namespace solvane {

void setHint(QWidget* widget, const QString& text);
QString hint(const QWidget* widget);
void setShowHint(QWidget* widget, bool on);
bool showHint(const QWidget* widget);

}  // namespace solvane
