// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The pictures the program carries, each at the resolution the screens need: beside every
// picture drawn at its size in pixels lies a version drawn at twice that size ("name@2x.png"),
// taken when a screen's device pixel ratio is above 1, so the strip stays sharp at 1.5 and 2.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace solvane {

// The picture at `path` (":/faces/left.png"), or its "@2x" version carrying a device pixel
// ratio of 2 when the screens ask for more than 1 and that version exists.
QImage pictureImage(const QString& path);
QPixmap picture(const QString& path);

// The program's icon for windows and the notification area: every drawn size from 16 to 256
// pixels, and the scalable drawing where Qt's SVG icon engine is installed. Each size is read
// when it is first shown.
QIcon windowIcon();

}  // namespace solvane
