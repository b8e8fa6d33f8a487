// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "tjpaneltexture.h"

#include <QPainter>
#include <QPixmap>

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
    const QPixmap copy = QPixmap::fromImage(texture_);
    if (transparent_)
        painter.fillRect(area, toQColor(transColor_));
    switch (style_) {
        case txStretch:
            painter.drawPixmap(area, copy);
            break;
        case txCenter: {
            const QRect target = centerRect(area, copy.size());
            painter.drawPixmap(target.topLeft(), copy, QRect(QPoint(0, 0), target.size()));
            break;
        }
        case txTile:
            // Whole tiles from the top-left corner, row by row; the last of each row and the
            // last row are cut at the panel's edge.
            painter.drawTiledPixmap(area, copy);
            break;
        case txNone:
            break;
    }
}

}  // namespace solvane
