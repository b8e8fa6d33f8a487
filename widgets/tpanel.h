// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// A plain panel: a filled rectangle with optional raised or lowered bevels and a centred
// caption. The year view covers each month's own title bar with panels of this kind.

#include <QFrame>

#include "colors.h"

namespace solvane {

class TPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    enum Bevel { bvNone, bvLowered, bvRaised };

    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    TColor Color() const { return color_; }
    void setColor(TColor colour);

    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor colour);

    Bevel BevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel bevel);
    Bevel BevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel bevel);

    // Shorthand for the layout: position and size in the parent, as Left, Top, Width, Height.
    void place(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The plain panel's own painting: background, bevels and caption.
    void paintPlainPanel(QPainter& painter);

private:
    QString caption_;
    TColor color_ = -16777201;      // the desktop's button face
    TColor fontColor_ = -16777208;  // the desktop's window text
    Bevel bevelOuter_ = bvRaised;
    Bevel bevelInner_ = bvNone;
};

}  // namespace solvane
