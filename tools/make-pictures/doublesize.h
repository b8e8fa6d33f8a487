// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Face pictures for screens of twice the pixel density. Pixel art scaled by plain pixel
// doubling keeps its one-pixel staircases, now two pixels tall; the EPX rule (Eric Johnston's
// "Scale2x") fills each staircase step where two neighbouring edges agree, so diagonals and
// rounded outlines come out as smooth at 2x as the 1x face is at its own size.

#include <QImage>

namespace makepictures {

// Twice the width and height of `picture`, by the EPX rule; colours are never mixed, so
// transparent pixels stay fully transparent.
QImage doubledPixelArt(const QImage& picture);

}  // namespace makepictures
