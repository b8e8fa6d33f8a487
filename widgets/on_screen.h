// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// What assistive technology is told is on screen. A control beyond the edge of a window
// that was made smaller (the compact window's months four to twelve) is still a shown
// widget to Qt, and a hidden control that only holds a value is still in the tree.

class QWidget;

namespace solvane {

// Whether some part of `widget` shows inside its window: it is visible, its parents' bounds
// do not cut it away, and no one control stacked above it hides what is left.
bool withinWindow(const QWidget* widget);

// Marks a control that is never shown (one that only holds a value for the code) as no part
// of what assistive technology reads; the program's containers leave it out.
void keepFromAssistiveTechnology(QWidget* widget);
bool keptFromAssistiveTechnology(const QWidget* widget);

}  // namespace solvane
