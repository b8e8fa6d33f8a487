// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace solvane {
namespace {

bool screensAskForMore() {
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

QString doubleSizePath(const QString& path) {
    const QFileInfo file(path);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("@2x.") +
           file.suffix();
}

}  // namespace

QImage pictureImage(const QString& path) {
    if (screensAskForMore()) {
        // QImageReader gives a file named "@2x" a device pixel ratio of 2.
        QImage sharp(doubleSizePath(path));
        if (!sharp.isNull())
            return sharp;
    }
    return QImage(path);
}

QPixmap picture(const QString& path) {
    return QPixmap::fromImage(pictureImage(path));
}

QIcon windowIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/solvane.png").arg(size),
                     QSize(size, size));
    if (QImageReader::supportedImageFormats().contains("svg"))
        icon.addFile(QStringLiteral(":/icons/solvane.svg"));
    return icon;
}

}  // namespace solvane
