// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The tool strip's texture: 64 x 64, true colour, a light brushed weave that repeats
// without seams both ways (the strip shows its top 23 rows, tiled left to right).

#include <QImage>

namespace makepictures {

QImage stripTexture();

// The same weave for screens of twice the density: 128 x 128, its streaks sampled at half
// steps and a grain of its own pixel size.
QImage stripTexture2x();

}  // namespace makepictures
