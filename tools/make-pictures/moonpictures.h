// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The 28 moon pictures of the tool strip: picture n shows the moon n/28 of the way through
// its cycle from new moon, as seen from the northern hemisphere.

#include <QImage>
#include <QString>

namespace makepictures {

inline constexpr int kMoonPictures = 28;

// Picture n (1 .. 28): 16 x 16, RGB888, grey background, a disc 15 pixels across.
QImage moonPicture(int n);

// The same picture for screens of twice the density: 32 x 32, a disc 30 pixels across.
QImage moonPicture2x(int n);

// Lit pixels (white or light grey) of a moon picture.
int litPixels(const QImage& picture);

// Writes 1.bmp .. 28.bmp and 1@2x.bmp .. 28@2x.bmp into the folder; throws if the lit area does not
// grow strictly from 1 to 14, which the choice of terminator pixels is meant to guarantee.
void writeMoonPictures(const QString& folder);

}  // namespace makepictures
