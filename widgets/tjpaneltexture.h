// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A panel whose background is a bitmap, laid as tiles, centred or stretched.

#include <QImage>
#include <QRect>

#include "tpanel.h"

namespace solvane {

enum TJPanelTextureStyle : quint8 { txNone = 0, txTile = 1, txCenter = 2, txStretch = 3 };

class TJPanelTexture : public TPanel {
    Q_OBJECT

public:
    explicit TJPanelTexture(QWidget* parent = nullptr);

    const QImage& JTexture() const { return texture_; }
    void setJTexture(const QImage& image);  // copies the image; always repaints

    TJPanelTextureStyle JStyleTexture() const { return style_; }
    void setJStyleTexture(TJPanelTextureStyle style);

    bool JTransparent() const { return transparent_; }
    void setJTransparent(bool on);

    TColor JTransColor() const { return transColor_; }
    void setJTransColor(TColor colour);

    // Where txCenter draws a texture of `texture` size inside `area`: centred where it is
    // smaller than the area, otherwise at the area's edge and cut to it.
    static QRect centerRect(const QRect& area, const QSize& texture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool hasTexture() const { return texture_.width() > 0 && texture_.height() > 0; }

    QImage texture_;
    TJPanelTextureStyle style_ = txNone;
    bool transparent_ = false;
    TColor transColor_ = cl::Gray;
};

}  // namespace solvane
