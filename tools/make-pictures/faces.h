// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The tool strip's button faces and the sunrise and sunset pictures, placed pixel by pixel
// at their final size.

#include <QImage>
#include <QString>
#include <vector>

namespace makepictures {

struct Face {
    QString name;  // file name without ".png"
    QImage image;
};

std::vector<Face> faces();

}  // namespace makepictures
