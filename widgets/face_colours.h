// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's own two colours for small boxes of controls: the parchment face of the
// Parameters dialog and the year entry box, and the darker frame around their buttons.

#include "colors.h"

namespace solvane {

inline constexpr TColor kParchment = 11063520;   // red 224, green 208, blue 168
inline constexpr TColor kButtonFrame = 9482432;  // red 192, green 176, blue 144

}  // namespace solvane
