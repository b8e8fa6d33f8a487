// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The application's hint timings: a hint shows 15 ms after the pointer comes to rest over a
// control and hides again after 3000 ms.

class QApplication;

namespace solvane {

inline constexpr int kHintDelayMs = 15;
inline constexpr int kHintShownMs = 3000;

// Installs a style that gives the delay and an event filter that gives the display time.
void installHintTimings(QApplication& application);

}  // namespace solvane
