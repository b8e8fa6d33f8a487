// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window's size. The window was laid out for a desktop whose frame and title bar add
// 6 pixels to the width and 32 to the height (800 x 485 outside, 794 x 453 inside). Qt sizes
// the inside and lets the desktop add its own frame, so the strip still lands just below the
// months whatever frame the desktop draws; outer sizes are used where the layout counts from
// the outer corner.

#include <QSize>

namespace solvane::window {

inline constexpr int kFrameWidth = 6;
inline constexpr int kFrameHeight = 32;
inline constexpr int kFullOuterWidth = 800;
inline constexpr int kFullOuterHeight = 485;
inline constexpr QSize kFullClientSize{kFullOuterWidth - kFrameWidth,
                                       kFullOuterHeight - kFrameHeight};

}  // namespace solvane::window
