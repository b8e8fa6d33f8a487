// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

namespace solvane {

// Moon picture 1 .. 28 as the strip shows it: transparent where the picture has the grey of
// its bottom-left pixel.
QPixmap moonPicture(int number);

}  // namespace solvane
