// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <utility>

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

// Qt's icon engines take either pixmaps or one SVG drawing, not both: this one shows a drawn
// size pixel for pixel where one fits exactly, and renders the SVG (where Qt's SVG icon
// engine, Debian's libqt6svg6, is installed) for every size in between; without it Qt
// scales the nearest drawn size.
class DrawnOrScalableIcon final : public QIconEngine {
public:
    DrawnOrScalableIcon(QIcon drawn, QIcon scalable)
        : drawn_(std::move(drawn)), scalable_(std::move(scalable)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const bool drawnSize = drawn_.availableSizes(mode, state).contains(size);
        const QIcon& source = drawnSize || scalable_.isNull() ? drawn_ : scalable_;
        return source.pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scalable_.isNull() ? drawn_.actualSize(size, mode, state) : size;
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return drawn_.availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DrawnOrScalableIcon(*this); }
    QString key() const override { return QStringLiteral("DrawnOrScalableIcon"); }

private:
    QIcon drawn_;
    QIcon scalable_;
};

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
    QIcon drawn;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        drawn.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/solvane.png").arg(size),
                      QSize(size, size));
    QIcon scalable;
    if (QImageReader::supportedImageFormats().contains("svg"))
        scalable = QIcon(QStringLiteral(":/icons/solvane.svg"));
    return QIcon(new DrawnOrScalableIcon(drawn, scalable));
}

}  // namespace solvane
