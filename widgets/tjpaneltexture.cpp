// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tjpaneltexture.h"

#include <QPainter>

#include "changed.h"

namespace solvane {

TJPanelTexture::TJPanelTexture(QWidget* parent) : TPanel(parent) {}

void TJPanelTexture::setJTexture(const QImage& image) {
    // The image is taken as it is now: later changes to the caller's image do not reach it.
    texture_ = image.copy();
    update();
}

void TJPanelTexture::setJStyleTexture(TJPanelTextureStyle style) {
    if (assignIfChanged(style_, style))
        update();
}

void TJPanelTexture::setJTransparent(bool on) {
    if (assignIfChanged(transparent_, on))
        update();
}

void TJPanelTexture::setJTransColor(TColor colour) {
    if (assignIfChanged(transColor_, colour))
        update();
}

QVector<QRect> TJPanelTexture::tileRects(const QRect& area, const QSize& tile) {
    QVector<QRect> tiles;
    if (tile.width() <= 0 || tile.height() <= 0)
        return tiles;  // would never advance
    const int right = area.x() + area.width();
    const int bottom = area.y() + area.height();
    for (int y = area.y(); y < bottom; y += tile.height()) {
        for (int x = area.x(); x < right; x += tile.width()) {
            // Only a tile that passes the edge is cut; one that ends on it is drawn whole.
            tiles.append(
                QRect(x, y, qMin(tile.width(), right - x), qMin(tile.height(), bottom - y)));
        }
    }
    return tiles;
}

QRect TJPanelTexture::centerRect(const QRect& area, const QSize& texture) {
    QRect target(area.topLeft(), texture);
    if (texture.width() < area.width()) {
        target.moveLeft(area.x() + (area.width() - texture.width()) / 2);
    } else {
        target.setWidth(area.width());
    }
    if (texture.height() < area.height()) {
        target.moveTop(area.y() + (area.height() - texture.height()) / 2);
    } else {
        target.setHeight(area.height());
    }
    return target;
}

void TJPanelTexture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (style_ == txNone || !hasTexture()) {
        paintPlainPanel(painter);
        return;
    }
    const QRect area = rect();
    painter.fillRect(area, toQColor(Color()));
    // A private copy for this paint only: nothing of it outlives the paint.
    const QImage copy = texture_.copy();
    if (transparent_)
        painter.fillRect(area, toQColor(transColor_));
    switch (style_) {
        case txStretch:
            painter.drawImage(area, copy);
            break;
        case txCenter: {
            const QRect target = centerRect(area, copy.size());
            painter.drawImage(target.topLeft(), copy, QRect(QPoint(0, 0), target.size()));
            break;
        }
        case txTile: {
            // A texture drawn for a denser screen covers its size divided by its pixel ratio.
            const qreal ratio = copy.devicePixelRatio();
            for (const QRect& tile : tileRects(area, copy.deviceIndependentSize().toSize()))
                painter.drawImage(QRectF(tile), copy,
                                  QRectF(QPointF(0, 0), QSizeF(tile.size()) * ratio));
            break;
        }
        case txNone:
            break;
    }
}

}  // namespace solvane
