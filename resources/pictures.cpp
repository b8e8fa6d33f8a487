// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <iterator>
#include <map>

namespace solvane {
namespace {

bool screensAskForMore() {
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

// The picture read by Qt's own reader for the format its suffix names ("png", "bmp"): left to
// guess, Qt loads every image format plug-in on the machine to ask each whether it can read it.
QImage readPicture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString doubleSizePath(const QString& path) {
    const QFileInfo file(path);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("@2x.") +
           file.suffix();
}

constexpr int kDrawnSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kLargestKeptSize = 64;

// The drawn size that Qt's own icons would show for `size`: the smallest that is not smaller,
// else the largest.
int nearestDrawnSize(const QSize& size) {
    const int wanted = std::max(size.width(), size.height());
    for (int drawn : kDrawnSizes) {
        if (drawn >= wanted)
            return drawn;
    }
    return kDrawnSizes[std::size(kDrawnSizes) - 1];
}

bool isDrawnSize(const QSize& size) {
    return size.width() == size.height() &&
           std::find(std::begin(kDrawnSizes), std::end(kDrawnSizes), size.width()) !=
               std::end(kDrawnSizes);
}

// Qt's icon engines take either pixmaps or one SVG drawing, not both: this one shows a drawn
// size pixel for pixel where one fits exactly, and renders the SVG (where Qt's SVG icon
// engine, Debian's libqt6svg6, is installed) for every size in between; without it Qt
// scales the nearest drawn size. A size is read from its file only when it is first shown,
// and the SVG engine is loaded only when a size between the drawn ones is asked for, so that
// setting the icon costs nothing at start-up.
class DrawnOrScalableIcon final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        // A large size as drawn is handed over without a copy kept: Qt's icons would keep one
        // in the application's pixmap cache.
        if (isDrawnSize(size) && size.width() > kLargestKeptSize && mode == QIcon::Normal)
            return drawnPixmap(size.width());
        if (isDrawnSize(size) || scalable().isNull())
            return drawn(nearestDrawnSize(size)).pixmap(size, 1.0, mode, state);
        return scalable_.pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (isDrawnSize(size) || !scalable().isNull())
            return size;
        const int shown = std::min({nearestDrawnSize(size), size.width(), size.height()});
        return {shown, shown};
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (int size : kDrawnSizes)
                sizes << QSize(size, size);
        }
        return sizes;
    }
    QIconEngine* clone() const override { return new DrawnOrScalableIcon(*this); }
    QString key() const override { return QStringLiteral("DrawnOrScalableIcon"); }

private:
    // The sizes a notification area or a dialog shows again and again are kept once read; the
    // large ones are read for the window manager, which keeps its own copy.
    QIcon drawn(int size) {
        if (size > kLargestKeptSize)
            return QIcon(drawnPixmap(size));
        QIcon& icon = drawn_[size];
        if (icon.isNull())
            icon.addPixmap(drawnPixmap(size));
        return icon;
    }
    static QPixmap drawnPixmap(int size) {
        return QPixmap::fromImage(
            readPicture(QStringLiteral(":/icons/hicolor/%1x%1/apps/solvane.png").arg(size)));
    }
    const QIcon& scalable() {
        if (!scalableLooked_) {
            scalableLooked_ = true;
            if (QImageReader::supportedImageFormats().contains("svg"))
                scalable_ = QIcon(QStringLiteral(":/icons/solvane.svg"));
        }
        return scalable_;
    }

    std::map<int, QIcon> drawn_;
    bool scalableLooked_ = false;
    QIcon scalable_;
};

}  // namespace

QImage pictureImage(const QString& path) {
    if (screensAskForMore()) {
        // QImageReader gives a file named "@2x" a device pixel ratio of 2.
        QImage sharp = readPicture(doubleSizePath(path));
        if (!sharp.isNull())
            return sharp;
    }
    return readPicture(path);
}

QPixmap picture(const QString& path) {
    return QPixmap::fromImage(pictureImage(path));
}

// One icon for the program, so that each size is read once: its copies share what it read.
// It goes with the application object, before Qt's picture handling does.
QIcon windowIcon() {
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon(new DrawnOrScalableIcon);
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

}  // namespace solvane
