// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "moon_picture.h"

#include <QBitmap>
#include <QImage>

namespace solvane {

QPixmap moonPicture(int number) {
    QImage image(QStringLiteral(":/moon/%1.bmp").arg(number));
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb background = image.pixel(0, image.height() - 1);
    QPixmap picture = QPixmap::fromImage(image);
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(background, Qt::MaskOutColor)));
    return picture;
}

}  // namespace solvane
