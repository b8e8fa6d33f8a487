// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "moon_picture.h"

#include <QBitmap>
#include <QImage>

#include "pictures.h"

namespace solvane {

QPixmap moonPicture(int number) {
    QImage image = pictureImage(QStringLiteral(":/moon/%1.bmp").arg(number));
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb background = image.pixel(0, image.height() - 1);
    QPixmap picture = QPixmap::fromImage(image);
    // The image's mask marks the grey pixels with its second colour, white, and a bitmap takes
    // white as transparent: MaskInColor is what makes the grey see-through.
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(background, Qt::MaskInColor)));
    return picture;
}

}  // namespace solvane
