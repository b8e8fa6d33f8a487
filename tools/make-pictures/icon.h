// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's icon: a wall calendar page with a sun and a crescent moon. One vector
// design gives the SVG and the larger renders; 16 and 32 pixels are placed by hand.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace makepictures {

inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage icon(int size);
QByteArray iconSvg();

// Writes solvane.svg, solvane-32.png and hicolor/<N>x<N>/apps/solvane.png.
void writeIcons(const QString& folder);

}  // namespace makepictures
