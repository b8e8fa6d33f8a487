// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>

namespace solvane {

// "MS Sans Serif" at 8 points (11 pixels high), or the nearest sans font the desktop has: the
// layouts place their labels for a font of that width.
QFont classicSansFont();

}  // namespace solvane
